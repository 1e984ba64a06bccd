#include "framework/Random.h"
#include "platform/sys/ManualClock.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

using namespace vur;

namespace {

// The stated recurrence, written out independently of the code under test.
struct Reference {
    std::uint64_t State;
    std::uint64_t Next(std::uint64_t Range) {
        State = (State * 134775813ULL + 1ULL) % 4294967296ULL;
        return (Range * State) / 4294967296ULL;
    }
};

} // namespace

TEST(Generator, FirstDrawsFromSeedZeroAreTheWorkedValues) {
    GeneratorSeed = 0;
    // seed 1: 100 * 1 / 2^32 = 0; seed 134775814: 13477581400 / 2^32 = 3.
    EXPECT_EQ(DrawRandom(100), 0);
    EXPECT_EQ(GeneratorSeed, 1u);
    EXPECT_EQ(DrawRandom(100), 3);
    EXPECT_EQ(GeneratorSeed, 134775814u);
}

TEST(Generator, FollowsTheRecurrenceAndStaysInRange) {
    GeneratorSeed = 49530123;
    Reference Ref{49530123};
    for (int I = 0; I < 10000; ++I) {
        const int Value = DrawRandomBetween(0, 100);
        ASSERT_EQ(static_cast<std::uint64_t>(Value), Ref.Next(100));
        ASSERT_GE(Value, 0);
        ASSERT_LT(Value, 100);
    }
}

TEST(Generator, BetweenAcceptsBoundsInEitherOrder) {
    GeneratorSeed = 7;
    Reference Ref{7};
    EXPECT_EQ(static_cast<std::uint64_t>(DrawRandomBetween(50, 10) - 10), Ref.Next(40));
    EXPECT_EQ(static_cast<std::uint64_t>(DrawRandomBetween(-20, -10) + 20), Ref.Next(10));
    EXPECT_EQ(DrawRandomBetween(5, 5), 5);
}

TEST(Generator, ExtremeBoundsAreDefined) {
    GeneratorSeed = 123;
    for (int I = 0; I < 100; ++I) {
        const int V = DrawRandomBetween(INT_MIN, INT_MAX);
        EXPECT_LT(V, INT_MAX);
    }
    EXPECT_EQ(DrawRandom(0), 0);
}

TEST(Generator, SeedIsTheMillisecondsSinceMidnightUtc) {
    sys::SystemTime Utc;
    Utc.Year = 2024;
    Utc.Month = 5;
    Utc.Day = 17;
    Utc.Hour = 13;
    Utc.Minute = 45;
    Utc.Second = 30;
    Utc.Milliseconds = 123;
    sys::ManualClock Clock(Utc);
    Clock.SetUtcOffsetMinutes(-300); // the local zone must not matter
    sys::ScopedClock Use(Clock);
    SeedRandomFromClock();
    EXPECT_EQ(GeneratorSeed, 49530123u);
    Clock.Advance(86400000); // the same time a day later seeds the same
    SeedRandomFromClock();
    EXPECT_EQ(GeneratorSeed, 49530123u);
}
