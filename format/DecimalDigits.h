// The decimal digits of a finite double, as the shortest text that reads back
// as the same double, and rounding of them with halves away from zero. Both
// formatters round on these digits, so 2.675 rounds to 2.68 as written, not
// to 2.67 as its binary neighbour would.
#pragma once

namespace vur {

// |Value| = 0.Digits[0]Digits[1]... x 10^Exponent. Digits holds no leading or
// trailing zero; Count is 0 for zero.
struct TDecimalDigits {
    char Digits[20] = {};
    int Count = 0;
    int Exponent = 0;

    char At(int Index) const { return Index >= 0 && Index < Count ? Digits[Index] : '0'; }
};

// Value must be finite; its sign is dropped.
TDecimalDigits DecimalDigitsOf(double Value);

// Keeps the digits down to 10^-Decimals.
void RoundToDecimals(TDecimalDigits& Number, int Decimals);

// Keeps the first Significant digits.
void RoundToSignificant(TDecimalDigits& Number, int Significant);

} // namespace vur
