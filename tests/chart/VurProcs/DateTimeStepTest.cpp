#include "chart/VurProcs/DateTimeStep.h"
#include "framework/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vur {
namespace {

constexpr double Second = 1.0 / 86400;

TEST(DateTimeStepTest, TableHoldsTheClockAndCalendarLengthsInDays) {
    EXPECT_DOUBLE_EQ(DateTimeStep[dtOneMicroSecond] * 86400e6, 1);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtOneMillisecond] * 86400e3, 1);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtFifteenSeconds], 15 * Second);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtThirtyMinutes] * 48, 1);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtSixHours], 0.25);
    EXPECT_EQ(DateTimeStep[dtOneWeek], 7);
    EXPECT_EQ(DateTimeStep[dtHalfMonth], 15);
    EXPECT_EQ(DateTimeStep[dtSixMonths], 182);
    EXPECT_EQ(DateTimeStep[dtOneYear], 365);
    EXPECT_EQ(DateTimeStep[dtNone], 1);
}

TEST(DateTimeStepTest, NextStepClimbsTheTableOneEntryAtATime) {
    double Step = DateTimeStep[dtOneSecond];
    for (int Expected = dtFiveSeconds; Expected <= dtOneYear; ++Expected) {
        Step = NextDateTimeStep(Step);
        EXPECT_DOUBLE_EQ(Step, DateTimeStep[static_cast<std::size_t>(Expected)]) << Expected;
    }
    // Between entries: the entry after the one below.
    EXPECT_DOUBLE_EQ(NextDateTimeStep(0.00002), DateTimeStep[dtFiveSeconds]);
    EXPECT_DOUBLE_EQ(NextDateTimeStep(400), DateTimeStep[dtOneYear]);
    EXPECT_DOUBLE_EQ(NextDateTimeStep(DateTimeStep[dtOneMicroSecond] / 2), DateTimeStep[dtOneYear]);
}

TEST(DateTimeStepTest, FindStepMatchesLengthsWithinAMicrosecond) {
    EXPECT_EQ(FindDateTimeStep(30), dtOneMonth);
    EXPECT_EQ(FindDateTimeStep(1 + DateTimeStep[dtOneMicroSecond] / 2), dtOneDay);
    EXPECT_EQ(FindDateTimeStep(5 * Second), dtFiveSeconds);
    EXPECT_EQ(FindDateTimeStep(0.3), dtNone);
    EXPECT_EQ(FindDateTimeStep(std::numeric_limits<double>::quiet_NaN()), dtNone);
}

TEST(DateTimeStepTest, RoundDateGoesToTheMidnightThatStartsTheStep) {
    const TDateTime Value = EncodeDate(2024, 3, 20) + EncodeTime(14, 30, 0, 0);
    EXPECT_EQ(VurRoundDate(Value, dtOneDay), EncodeDate(2024, 3, 20));
    EXPECT_EQ(VurRoundDate(Value, dtOneHour), EncodeDate(2024, 3, 20));
    EXPECT_EQ(VurRoundDate(Value, dtHalfMonth), EncodeDate(2024, 3, 15));
    EXPECT_EQ(VurRoundDate(EncodeDate(2024, 3, 14), dtHalfMonth), EncodeDate(2024, 3, 1));
    EXPECT_EQ(VurRoundDate(Value, dtThreeMonths), EncodeDate(2024, 3, 1));
    EXPECT_EQ(VurRoundDate(Value, dtOneYear), EncodeDate(2024, 1, 1));
    EXPECT_EQ(VurRoundDate(-3.5, dtOneYear), -3.5);
    EXPECT_EQ(VurRoundDate(0, dtOneMonth), 0);
}

TEST(DateTimeStepTest, MonthStepsLandOnTheFirstAndWrapYears) {
    double Value = EncodeDate(2024, 2, 10) + 0.75;
    VurDateTimeIncrement(true, false, Value, 30, dtOneMonth);
    EXPECT_EQ(Value, EncodeDate(2024, 1, 1));
    VurDateTimeIncrement(true, false, Value, 30, dtOneMonth);
    EXPECT_EQ(Value, EncodeDate(2023, 12, 1));
    VurDateTimeIncrement(true, false, Value, 120, dtFourMonths);
    EXPECT_EQ(Value, EncodeDate(2023, 8, 1));
    Value = EncodeDate(2024, 2, 1);
    VurDateTimeIncrement(true, false, Value, 182, dtSixMonths);
    EXPECT_EQ(Value, EncodeDate(2023, 8, 1));
    VurDateTimeIncrement(true, true, Value, 182, dtSixMonths);
    EXPECT_EQ(Value, EncodeDate(2024, 2, 1));
    Value = EncodeDate(2023, 11, 5);
    VurDateTimeIncrement(true, true, Value, 90, dtThreeMonths);
    EXPECT_EQ(Value, EncodeDate(2024, 2, 1));
}

TEST(DateTimeStepTest, HalfMonthStepsWalkDownThroughThe15thAndThe1st) {
    double Value = EncodeDate(2024, 3, 20);
    const TDateTime Expected[] = {EncodeDate(2024, 3, 15), EncodeDate(2024, 3, 1), EncodeDate(2024, 2, 15),
                                  EncodeDate(2024, 2, 1), EncodeDate(2024, 1, 15)};
    for (const TDateTime Next : Expected) {
        VurDateTimeIncrement(true, false, Value, 15, dtHalfMonth);
        EXPECT_EQ(Value, Next);
    }
    Value = EncodeDate(2024, 1, 1);
    VurDateTimeIncrement(true, false, Value, 15, dtHalfMonth);
    EXPECT_EQ(Value, EncodeDate(2023, 12, 15));
}

TEST(DateTimeStepTest, YearStepsKeepTheDayAndRepairTheLeapDay) {
    double Value = EncodeDate(2024, 1, 1);
    VurDateTimeIncrement(true, false, Value, 365, dtOneYear);
    EXPECT_EQ(Value, EncodeDate(2023, 1, 1));
    Value = EncodeDate(2024, 2, 29);
    VurDateTimeIncrement(true, true, Value, 365, dtOneYear);
    EXPECT_EQ(Value, EncodeDate(2025, 2, 28));
}

TEST(DateTimeStepTest, ClockStepsAndPlainValuesMoveByTheIncrement) {
    double Value = EncodeDate(2024, 3, 20) + 0.5;
    VurDateTimeIncrement(true, false, Value, 1, dtOneDay);
    EXPECT_DOUBLE_EQ(Value, EncodeDate(2024, 3, 19) + 0.5);
    Value = 100;
    VurDateTimeIncrement(false, false, Value, 30, dtOneMonth);
    EXPECT_EQ(Value, 70);
    // No calendar far outside its years, and none for values that are not numbers.
    Value = 1e300;
    VurDateTimeIncrement(true, false, Value, 30, dtOneMonth);
    EXPECT_EQ(Value, 1e300 - 30);
    Value = std::numeric_limits<double>::infinity();
    VurDateTimeIncrement(true, false, Value, 30, dtOneMonth);
    EXPECT_TRUE(std::isinf(Value));
}

} // namespace
} // namespace vur
