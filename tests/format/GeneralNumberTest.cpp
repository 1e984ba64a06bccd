#include "format/GeneralNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

using namespace vur;

TEST(GeneralNumber, PlainDecimalWithoutTrailingZeros) {
    EXPECT_EQ(GeneralNumberText(0, '.'), "0");
    EXPECT_EQ(GeneralNumberText(-0.0, '.'), "0");
    EXPECT_EQ(GeneralNumberText(1, '.'), "1");
    EXPECT_EQ(GeneralNumberText(-1.5, '.'), "-1.5");
    EXPECT_EQ(GeneralNumberText(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(GeneralNumberText(100, '.'), "100");
    EXPECT_EQ(GeneralNumberText(123456789012345, '.'), "123456789012345");
    EXPECT_EQ(GeneralNumberText(0.00001, '.'), "0.00001");
    EXPECT_EQ(GeneralNumberText(1.5, ','), "1,5");
}

TEST(GeneralNumber, ScientificBeyondFifteenIntegerDigitsAndBelowOneHundredThousandth) {
    EXPECT_EQ(GeneralNumberText(1234567890123456, '.'), "1.23456789012346E+15");
    EXPECT_EQ(GeneralNumberText(1e15, '.'), "1E+15");
    EXPECT_EQ(GeneralNumberText(999999999999999.9, '.'), "1E+15");
    EXPECT_EQ(GeneralNumberText(0.0000099, '.'), "9.9E-6");
    EXPECT_EQ(GeneralNumberText(-2.5e-300, '.'), "-2.5E-300");
    EXPECT_EQ(GeneralNumberText(1e308, '.'), "1E+308");
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<double>::max(), '.'), "1.79769313486232E+308");
}

TEST(GeneralNumber, NonFiniteValues) {
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<double>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<double>::infinity(), '.'), "INF");
    EXPECT_EQ(GeneralNumberText(-std::numeric_limits<double>::infinity(), '.'), "-INF");
}

TEST(GeneralNumber, SameTextExactlyWhenValuesAgreeToFifteenDigits) {
    const double NaN = std::numeric_limits<double>::quiet_NaN(),
                 Inf = std::numeric_limits<double>::infinity();
    const struct {
        double A, B;
        bool Same;
    } Pairs[] = {{1, 1.000000000000001, true},
                 {0.3, 0.1 + 0.2, true},
                 {1e20, 1.0000000000000004e20, true},
                 {0, -0.0, true},
                 {NaN, NaN, true},
                 {1, 1.00000000000001, false},
                 {123456.789012345, 123456.789012346, false},
                 {1, -1, false},
                 {Inf, -Inf, false},
                 {Inf, 1e308, false},
                 {1.5, 15, false}};
    for (const auto& P : Pairs) {
        EXPECT_EQ(GeneralNumberText(P.A, '.') == GeneralNumberText(P.B, '.'), P.Same) << P.A << " " << P.B;
        EXPECT_EQ(SameGeneralNumberText(P.A, P.B), P.Same) << P.A << " " << P.B;
    }
    // The comparison without strings agrees with comparing the strings, for
    // neighbours a few units apart and for one-second steps of a time axis.
    std::mt19937_64 Random(7);
    std::uniform_real_distribution<double> Mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> Exponent(-30, 60), Units(0, 40);
    for (int I = 0; I < 20000; ++I) {
        const double A = std::ldexp(Mantissa(Random), Exponent(Random));
        double B = A;
        for (int Step = Units(Random); Step > 0; --Step) B = std::nextafter(B, Inf);
        ASSERT_EQ(SameGeneralNumberText(A, B), GeneralNumberText(A) == GeneralNumberText(B)) << A << " " << B;
        const double Time = 45000 + I / 86400.0;
        ASSERT_FALSE(SameGeneralNumberText(Time, Time - 1 / 86400.0)) << Time;
    }
}

TEST(GeneralNumber, ValueOfTheTextAgreesWithPrintfToFifteenDigits) {
    std::mt19937_64 Random(15);
    std::uniform_real_distribution<double> Mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> Exponent(-1000, 1000);
    for (int I = 0; I < 20000; ++I) {
        const double Value = std::ldexp(Mantissa(Random), Exponent(Random));
        if (!std::isfinite(Value)) continue;
        char Shortest[64];
        std::snprintf(Shortest, sizeof Shortest, "%.15e", Value);
        if (std::strtod(Shortest, nullptr) == Value)
            continue; // 16 digits suffice: rounding them again could differ
        char Expected[64];
        std::snprintf(Expected, sizeof Expected, "%.15g", Value);
        ASSERT_EQ(std::strtod(GeneralNumberText(Value, '.').c_str(), nullptr), std::strtod(Expected, nullptr))
            << Value;
    }
}
