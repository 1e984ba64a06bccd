#include "format/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vur {

TDecimalDigits DecimalDigitsOf(double Value) {
    TDecimalDigits Number;
    if (Value == 0 || !std::isfinite(Value)) return Number;
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
