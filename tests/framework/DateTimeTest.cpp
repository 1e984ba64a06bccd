#include "framework/DateTime.h"
#include "framework/Exceptions.h"
#include "platform/sys/ManualClock.h"

#include <gtest/gtest.h>

using namespace vur;

TEST(DateTime, DayNumbersCountFromTheEndOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0); // 1900 is no leap year
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2000, 3, 1), 36586.0); // 2000 is one
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(DateTime, InvalidFieldsAreRejectedWithTheirMessage) {
    try {
        EncodeDate(1900, 2, 29);
        FAIL();
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Invalid argument to date encode");
    }
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    try {
        EncodeTime(24, 0, 0, 0);
        FAIL();
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Invalid argument to time encode");
    }
}

TEST(DateTime, TimeIsTheFractionOfTheDayWithMilliseconds) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(0, 0, 1, 0), 1.0 / 86400);
    EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000);
}

TEST(DateTime, BeforeTheEpochTheTimeCountsAwayFromZero) {
    sys::SystemTime T;
    T.Year = 1899;
    T.Month = 12;
    T.Day = 29;
    T.Hour = 6;
    EXPECT_EQ(SystemTimeToDateTime(T), -1.25);
}

TEST(DateTime, CurrentLocalDateTimeReadsTheLocalClock) {
    sys::SystemTime Utc;
    Utc.Year = 2024;
    Utc.Month = 1;
    Utc.Day = 1;
    Utc.Hour = 23;
    Utc.Minute = 0;
    Utc.Milliseconds = 500;
    sys::ManualClock Clock(Utc);
    Clock.SetUtcOffsetMinutes(120); // already 2 January, 01:00 locally
    sys::ScopedClock Use(Clock);
    const TDateTime Expected = 45293.0 + (3600000.0 + 500.0) / 86400000.0;
    EXPECT_DOUBLE_EQ(CurrentLocalDateTime(), Expected);
}
