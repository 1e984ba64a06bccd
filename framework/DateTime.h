// TDateTime from calendar fields: days since 30 December 1899, the fraction
// being the time of day.
#pragma once

#include "framework/Types.h"
#include "platform/sys/Clock.h"

namespace vur {

constexpr double MSecsPerDay = 86400000.0;

bool IsLeapYear(int Year);
// The day number of a date; raises EConvertError "Invalid argument to date
// encode" outside years 1..9999 or for a day the month does not have.
TDateTime EncodeDate(int Year, int Month, int Day);
// The fraction of a day; raises EConvertError "Invalid argument to time
// encode" for fields out of range.
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
// Date and time together. For dates before the epoch the day number is
// negative and the time of day counts away from zero, so the fraction keeps
// meaning the time.
TDateTime SystemTimeToDateTime(const sys::SystemTime& Time);
// The current local date and time of the process-wide clock, milliseconds included.
TDateTime CurrentLocalDateTime();

} // namespace vur
