// The general number text: 15 significant digits, plain or scientific. Two
// values give the same text exactly when they agree to 15 significant digits.
#pragma once

#include "format/FormatSettings.h"

#include <string>

namespace vur {

// Plain decimal without trailing zeros, or mantissa "E" signed exponent when
// plain would need more than 15 integer digits or the magnitude is below
// 0.00001. Non-finite values read "NAN", "INF" and "-INF".
std::string GeneralNumberText(double Value, char DecimalSeparator);
std::string GeneralNumberText(double Value, const TFormatSettings& Settings);
std::string GeneralNumberText(double Value);

// Whether GeneralNumberText(A) == GeneralNumberText(B), without making either
// string.
bool SameGeneralNumberText(double A, double B);

} // namespace vur
