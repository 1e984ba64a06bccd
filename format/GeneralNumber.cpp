#include "format/GeneralNumber.h"

#include "format/DecimalDigits.h"

#include <cmath>
#include <string_view>

namespace vur {

namespace {

constexpr int GeneralDigits = 15;
constexpr int GeneralTextSize = 40;

// The text into Text, returning its end. At most: sign, 15 digits, separator,
// "E-324", or "0." and four zeros.
char* WriteGeneralNumber(double Value, char DecimalSeparator, char (&Text)[GeneralTextSize]) {
    char* P = Text;
    const auto Put = [&](std::string_view Word) {
        for (const char C : Word) *P++ = C;
        return P;
    };
    if (std::isnan(Value)) return Put("NAN");
    if (std::isinf(Value)) return Put(Value > 0 ? "INF" : "-INF");
    TDecimalDigits Number = DecimalDigitsOf(Value);
    RoundToSignificant(Number, GeneralDigits);
    if (Number.Count == 0) return Put("0");

    if (Value < 0) *P++ = '-';
    const auto PutSeparator = [&] {
        if (DecimalSeparator != '\0') *P++ = DecimalSeparator;
    };
    if (Number.Exponent > GeneralDigits || Number.Exponent < -4) {
        *P++ = Number.Digits[0];
        if (Number.Count > 1) PutSeparator();
        for (int I = 1; I < Number.Count; ++I) *P++ = Number.Digits[I];
        const int Exponent = Number.Exponent - 1;
        *P++ = 'E';
        *P++ = Exponent < 0 ? '-' : '+';
        const int Magnitude = std::abs(Exponent);
        if (Magnitude >= 100) *P++ = static_cast<char>('0' + Magnitude / 100);
        if (Magnitude >= 10) *P++ = static_cast<char>('0' + Magnitude / 10 % 10);
        *P++ = static_cast<char>('0' + Magnitude % 10);
    } else if (Number.Exponent <= 0) {
        *P++ = '0';
        PutSeparator();
        for (int I = Number.Exponent; I < 0; ++I) *P++ = '0';
        for (int I = 0; I < Number.Count; ++I) *P++ = Number.Digits[I];
    } else {
        for (int I = 0; I < Number.Exponent; ++I) *P++ = Number.At(I);
        if (Number.Count > Number.Exponent) PutSeparator();
        for (int I = Number.Exponent; I < Number.Count; ++I) *P++ = Number.Digits[I];
    }
    return P;
}

} // namespace

std::string GeneralNumberText(double Value, char DecimalSeparator) {
    char Text[GeneralTextSize];
    return std::string(Text, WriteGeneralNumber(Value, DecimalSeparator, Text));
}

bool SameGeneralNumberText(double A, double B) {
    const char Separator = FormatSettings().DecimalSeparatorChar;
    char TextA[GeneralTextSize], TextB[GeneralTextSize];
    const char* EndA = WriteGeneralNumber(A, Separator, TextA);
    const char* EndB = WriteGeneralNumber(B, Separator, TextB);
    return std::string_view(TextA, EndA) == std::string_view(TextB, EndB);
}

std::string GeneralNumberText(double Value, const TFormatSettings& Settings) {
    return GeneralNumberText(Value, Settings.DecimalSeparatorChar);
}

std::string GeneralNumberText(double Value) { return GeneralNumberText(Value, FormatSettings()); }

} // namespace vur
