#include "platform/sys/Clock.h"
#include "platform/sys/ManualClock.h"

#include <ctime>
#include <gtest/gtest.h>

using namespace vur::sys;

namespace {

SystemTime At(int Y, int Mo, int D, int H = 0, int Mi = 0, int S = 0, int Ms = 0) {
    SystemTime T;
    T.Year = Y;
    T.Month = Mo;
    T.Day = D;
    T.Hour = H;
    T.Minute = Mi;
    T.Second = S;
    T.Milliseconds = Ms;
    return T;
}

} // namespace

TEST(CalendarConversion, KnownInstantsMatchTheirUnixTime) {
    // Values from the POSIX epoch definition: days x 86400 s.
    EXPECT_EQ(ToUnixMilliseconds(At(1970, 1, 1)), 0);
    EXPECT_EQ(ToUnixMilliseconds(At(2000, 1, 1)), 946684800000LL);
    EXPECT_EQ(ToUnixMilliseconds(At(2024, 2, 29, 12, 30, 15, 250)), 1709209815250LL);
    EXPECT_EQ(ToUnixMilliseconds(At(1969, 12, 31, 23, 59, 59, 999)), -1);
}

TEST(CalendarConversion, RoundTripsAndComputesTheWeekday) {
    const SystemTime Leap = FromUnixMilliseconds(1709209815250LL);
    EXPECT_EQ(Leap.Year, 2024);
    EXPECT_EQ(Leap.Month, 2);
    EXPECT_EQ(Leap.Day, 29);
    EXPECT_EQ(Leap.Hour, 12);
    EXPECT_EQ(Leap.Minute, 30);
    EXPECT_EQ(Leap.Second, 15);
    EXPECT_EQ(Leap.Milliseconds, 250);
    EXPECT_EQ(Leap.DayOfWeek, 4); // a Thursday
    const SystemTime Before = FromUnixMilliseconds(-1);
    EXPECT_EQ(Before.Year, 1969);
    EXPECT_EQ(Before.Hour, 23);
    EXPECT_EQ(Before.Milliseconds, 999);
    EXPECT_EQ(Before.DayOfWeek, 3);                               // a Wednesday
    EXPECT_EQ(FromUnixMilliseconds(946684800000LL).DayOfWeek, 6); // 1 January 2000, a Saturday
}

TEST(ManualClock, LocalTimeFollowsTheOffsetAndStepsBothWays) {
    ManualClock Clock(At(2024, 12, 31, 23, 30));
    Clock.SetUtcOffsetMinutes(60);
    EXPECT_EQ(Clock.LocalTime(), FromUnixMilliseconds(ToUnixMilliseconds(At(2025, 1, 1, 0, 30))));
    EXPECT_EQ(Clock.UtcTime().Year, 2024);
    Clock.Advance(-3600000);
    EXPECT_EQ(Clock.LocalTime().Hour, 23);
    EXPECT_EQ(Clock.LocalTime().Year, 2024);
    Clock.SetLocalTime(At(2025, 6, 1, 8, 0));
    EXPECT_EQ(Clock.UtcTime().Hour, 7);
}

TEST(CurrentClock, AReplacementHoldsOnlyForItsScope) {
    ManualClock Fixed(At(2001, 2, 3, 4, 5, 6, 7));
    {
        ScopedClock Use(Fixed);
        EXPECT_EQ(CurrentClock().UtcTime().Year, 2001);
        EXPECT_EQ(CurrentClock().LocalTime().Milliseconds, 7);
    }
    // Back on the system clock: it agrees with the C library's idea of now.
    const std::int64_t Now = ToUnixMilliseconds(CurrentClock().UtcTime());
    const std::int64_t Reference = static_cast<std::int64_t>(std::time(nullptr)) * 1000;
    EXPECT_LT(std::llabs(Now - Reference), 5000);
}

TEST(SystemClock, LocalTimeMatchesTheCLibrary) {
    const SystemClock Clock;
    const SystemTime Local = Clock.LocalTime();
    const std::time_t T = std::time(nullptr);
    std::tm Tm{};
    localtime_r(&T, &Tm);
    EXPECT_EQ(Local.Year, Tm.tm_year + 1900);
    EXPECT_EQ(Local.Month, Tm.tm_mon + 1);
    EXPECT_EQ(Local.DayOfWeek, Tm.tm_wday);
}
