#include "platform/numeric/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vur {
namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

TEST(Rounding, RoundGoesToTheNearestWithTiesToEvenAndClampsOutsideInt) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(0.49999999999999994), 0);
    EXPECT_EQ(Round(-7.6), -8);
    // Around both ends of int.
    EXPECT_EQ(Round(2147483646.5), 2147483646);
    EXPECT_EQ(Round(2147483646.6), IntMax);
    EXPECT_EQ(Round(2147483647.4), IntMax);
    EXPECT_EQ(Round(2147483647.5), IntMax);
    EXPECT_EQ(Round(-2147483647.5), -2147483648);
    EXPECT_EQ(Round(-2147483648.4), IntMin);
    EXPECT_EQ(Round(-2147483648.6), IntMin);
    EXPECT_EQ(Round(1e300), IntMax);
    EXPECT_EQ(Round(-1e300), IntMin);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), IntMax);
    EXPECT_EQ(Round(-std::numeric_limits<double>::infinity()), IntMin);
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
}

// Against the library's rounding widened to 64 bits and clamped, over
// halves, near-halves and values of every magnitude up to past the int range.
TEST(Rounding, RoundAgreesWithTheLibraryRoundingEverywhere) {
    const auto Expected = [](double Value) {
        const double R = std::nearbyint(Value);
        if (R >= 2147483647.0) return IntMax;
        if (R <= -2147483648.0) return IntMin;
        return static_cast<int>(static_cast<std::int64_t>(R));
    };
    std::uint64_t Seed = 17;
    for (int Case = 0; Case < 200000; ++Case) {
        Seed = Seed * 6364136223846793005u + 1442695040888963407u;
        const int Scale = static_cast<int>(Seed >> 58) - 20;
        const double Base =
            std::ldexp(static_cast<double>(Seed >> 20) / std::ldexp(1.0, 44), Scale) * ((Seed & 1) ? -1 : 1);
        for (const double Value : {Base, std::trunc(Base) + 0.5, std::nextafter(std::trunc(Base) + 0.5, 0.0),
                                   std::nextafter(std::trunc(Base) + 0.5, 1e300)})
            ASSERT_EQ(Round(Value), Expected(Value)) << Value;
    }
}

TEST(Rounding, TruncGoesTowardsZeroAndClamps) {
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2147483647.9), IntMax);
    EXPECT_EQ(Trunc(-2147483648.9), IntMin);
    EXPECT_EQ(Trunc(3e9), IntMax);
    EXPECT_EQ(Trunc(-3e9), IntMin);
    EXPECT_EQ(Trunc(-std::numeric_limits<double>::infinity()), IntMin);
    EXPECT_EQ(Trunc(std::numeric_limits<double>::quiet_NaN()), 0);
}

// Every conversion here follows one rule: beyond the range the nearer end,
// not-a-number 0. The bounded forms only narrow the range.
TEST(Rounding, EveryFormSendsNotANumberToZeroAndInfinitiesToTheEnds) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    constexpr double Limit = 1000;
    struct Case {
        double Value;
        int Within;
        std::int64_t Wide;
    };
    for (const Case& C :
         {Case{NaN, 0, 0}, Case{-NaN, 0, 0}, Case{Inf, 1000, INT64_MAX}, Case{-Inf, -1000, INT64_MIN},
          Case{1e300, 1000, INT64_MAX}, Case{-1e300, -1000, INT64_MIN}, Case{999.5, 1000, 1000},
          Case{-999.5, -1000, -1000}, Case{1000.5, 1000, 1000}, Case{-2.5, -2, -2}}) {
        EXPECT_EQ(RoundWithin(C.Value, Limit), C.Within) << C.Value;
        EXPECT_EQ(RoundWithin(static_cast<long double>(C.Value), Limit), C.Within) << C.Value;
        EXPECT_EQ(Round64(C.Value), C.Wide) << C.Value;
    }
    EXPECT_EQ(Trunc64(NaN), 0);
    EXPECT_EQ(Trunc64(-Inf), INT64_MIN);
    EXPECT_EQ(Trunc64(-2.9), -2);
    EXPECT_EQ(Round64(3e18), 3000000000000000000LL);
}

// The wide form rounds before narrowing: a long double just above a half
// would become the half itself as a double, and then go to the even side.
TEST(Rounding, TheWideFormRoundsBeforeNarrowing) {
    if constexpr (sizeof(long double) > sizeof(double)) {
        const long double JustAboveAHalf = 2.5L + 1e-17L;
        ASSERT_EQ(static_cast<double>(JustAboveAHalf), 2.5);
        EXPECT_EQ(RoundWithin(JustAboveAHalf, 1000), 3);
    }
    EXPECT_EQ(RoundWithin(2.5L, 1000), 2);
}

TEST(Rounding, ClampToIntKeepsWideSumsAtTheEndsOfInt) {
    EXPECT_EQ(ClampToInt(std::int64_t{IntMax} + 1), IntMax);
    EXPECT_EQ(ClampToInt(std::int64_t{IntMin} - 1), IntMin);
    EXPECT_EQ(ClampToInt(-5), -5);
}

} // namespace
} // namespace vur
