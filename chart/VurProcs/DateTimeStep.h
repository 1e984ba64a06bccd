// Date-time label steps: the table of clock and calendar step lengths (in
// days), stepping up through it, finding a step by its length, and the
// calendar arithmetic that rounds and moves dates by calendar steps.
#pragma once

#include "framework/Types.h"

#include <array>
#include <cstdint>

namespace vur {

enum TDateTimeStep : std::uint8_t {
    dtOneMicroSecond,
    dtOneMillisecond,
    dtOneSecond,
    dtFiveSeconds,
    dtTenSeconds,
    dtFifteenSeconds,
    dtThirtySeconds,
    dtOneMinute,
    dtFiveMinutes,
    dtTenMinutes,
    dtFifteenMinutes,
    dtThirtyMinutes,
    dtOneHour,
    dtTwoHours,
    dtSixHours,
    dtTwelveHours,
    dtOneDay,
    dtTwoDays,
    dtThreeDays,
    dtOneWeek,
    dtHalfMonth,
    dtOneMonth,
    dtTwoMonths,
    dtThreeMonths,
    dtFourMonths,
    dtSixMonths,
    dtOneYear,
    dtNone
};

// Length of each step in days.
extern const std::array<double, 28> DateTimeStep;

// The length of the step after the largest one at or below Value (so a
// table length steps to the next one); one year when Value is below them all.
double NextDateTimeStep(double Value);
// The step whose length lies within a microsecond of Value, else dtNone.
TDateTimeStep FindDateTimeStep(double Value);
// Midnight of Value's day, moved back to the 1st or 15th (half month), the
// 1st (months) or 1 January (year). Values <= 0 are returned unchanged.
TDateTime VurRoundDate(TDateTime Value, TDateTimeStep Step);
// Moves Value by one step forwards (Increment) or backwards: calendar steps
// by months or years to midnight, other steps by AIncrement. Without
// IsDateTime always by AIncrement. Values too far from the calendar's years
// (or not finite) are moved by AIncrement as well.
void VurDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double AIncrement,
                          TDateTimeStep Step);

} // namespace vur
