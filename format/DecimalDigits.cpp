#include "format/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace vur {

namespace {

// Below 2^53 every whole number is a double of its own, so its own digits are
// the shortest text that reads back as it.
constexpr double ExactWholeLimit = 9007199254740992.0;

TDecimalDigits WholeDigits(std::uint64_t Whole) {
    TDecimalDigits Number;
    char Reversed[20] = {};
    int Count = 0;
    for (; Whole != 0; Whole /= 10) Reversed[Count++] = static_cast<char>('0' + Whole % 10);
    Number.Exponent = Count;
    int Skip = 0;
    while (Reversed[Skip] == '0') ++Skip;
    for (int I = Count - 1; I >= Skip; --I) Number.Digits[Number.Count++] = Reversed[I];
    return Number;
}

} // namespace

TDecimalDigits DecimalDigitsOf(double Value) {
    TDecimalDigits Number;
    if (Value == 0 || !std::isfinite(Value)) return Number;
    // Axis labels are mostly whole numbers: those skip the general conversion.
    const double Magnitude = std::fabs(Value);
    if (Magnitude < ExactWholeLimit && Magnitude == std::trunc(Magnitude))
        return WholeDigits(static_cast<std::uint64_t>(Magnitude));
    // Shortest round-trip text such as "1.2345e+03": at most 17 digits.
    char Text[32];
    const auto Result =
        std::to_chars(Text, Text + sizeof Text, std::fabs(Value), std::chars_format::scientific);
    const char* P = Text;
    for (; P < Result.ptr && *P != 'e'; ++P)
        if (*P != '.') Number.Digits[Number.Count++] = *P;
    int Exponent = 0;
    if (P < Result.ptr) std::from_chars(P + (P[1] == '+' ? 2 : 1), Result.ptr, Exponent);
    Number.Exponent = Exponent + 1;
    while (Number.Count > 0 && Number.Digits[Number.Count - 1] == '0') --Number.Count;
    return Number;
}

void RoundToSignificant(TDecimalDigits& Number, int Significant) {
    if (Significant >= Number.Count) return;
    if (Significant < 0) {
        Number = TDecimalDigits{};
        return;
    }
    const bool Up = Number.Digits[Significant] >= '5';
    Number.Count = Significant;
    if (Up) {
        int I = Significant - 1;
        while (I >= 0 && Number.Digits[I] == '9') --I;
        if (I < 0) {
            // All nines (or nothing kept): the carry makes a new leading 1.
            Number.Digits[0] = '1';
            Number.Count = 1;
            ++Number.Exponent;
            return;
        }
        ++Number.Digits[I];
        Number.Count = I + 1;
    }
    while (Number.Count > 0 && Number.Digits[Number.Count - 1] == '0') --Number.Count;
    if (Number.Count == 0) Number.Exponent = 0;
}

void RoundToDecimals(TDecimalDigits& Number, int Decimals) {
    if (Number.Count == 0) return;
    // Beyond this many places below the leading digit nothing can reach the half.
    const int Keep = Number.Exponent + Decimals;
    if (Keep < 0) {
        Number = TDecimalDigits{};
        return;
    }
    RoundToSignificant(Number, Keep);
}

} // namespace vur
