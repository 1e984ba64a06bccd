#include "format/GeneralNumber.h"

#include "format/DecimalDigits.h"

#include <cmath>

namespace vur {

namespace {
constexpr int GeneralDigits = 15;
}

std::string GeneralNumberText(double Value, char DecimalSeparator) {
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value > 0 ? "INF" : "-INF";
    TDecimalDigits Number = DecimalDigitsOf(Value);
    RoundToSignificant(Number, GeneralDigits);
    if (Number.Count == 0) return "0";

    // At most: sign, 15 digits, separator, "E-324", or "0." and four zeros.
    char Text[40];
    char* P = Text;
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
    return std::string(Text, P);
}

std::string GeneralNumberText(double Value, const TFormatSettings& Settings) {
    return GeneralNumberText(Value, Settings.DecimalSeparatorChar);
}

std::string GeneralNumberText(double Value) { return GeneralNumberText(Value, FormatSettings()); }

} // namespace vur
