// The decimal 1-2-5 step sequence the numeric and sub-second date-time
// increment searches climb.
#pragma once

namespace vur {

// The smallest of 1, 2, 5, 10, 20, 50, ... (times any power of ten) that is
// strictly greater than X, also when X is a member carrying a rounding
// error. X must be positive and finite; anything else is returned as it is.
double NiceStepAbove(double X);

} // namespace vur
