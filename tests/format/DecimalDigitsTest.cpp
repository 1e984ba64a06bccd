#include "format/DecimalDigits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace vur {
namespace {

std::string DigitsText(const TDecimalDigits& Number) {
    return std::string(Number.Digits, static_cast<std::size_t>(Number.Count)) + "e" +
           std::to_string(Number.Exponent);
}

// The shortest round-trip text of the double, read off as 0.ddd x 10^e.
std::string Shortest(double Value) {
    char Text[32];
    const auto End =
        std::to_chars(Text, Text + sizeof Text, std::fabs(Value), std::chars_format::scientific).ptr;
    std::string Digits;
    const char* P = Text;
    for (; P < End && *P != 'e'; ++P)
        if (*P != '.') Digits += *P;
    while (!Digits.empty() && Digits.back() == '0') Digits.pop_back();
    return Digits + "e" + std::to_string(std::stoi(std::string(P + 1, static_cast<const char*>(End))) + 1);
}

TEST(DecimalDigits, StatedValues) {
    EXPECT_EQ(DigitsText(DecimalDigitsOf(1230)), "123e4");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(-7)), "7e1");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(0.5)), "5e0");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(2.675)), "2675e1");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(1e-7)), "1e-6");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(9007199254740991.0)), "9007199254740991e16");
    EXPECT_EQ(DigitsText(DecimalDigitsOf(9007199254740992.0)), "9007199254740992e16");
    // Beyond 2^53 the shortest text is no longer the whole number's digits.
    EXPECT_EQ(DigitsText(DecimalDigitsOf(1e23)), "1e24");
    EXPECT_EQ(DecimalDigitsOf(0).Count, 0);
    EXPECT_EQ(DecimalDigitsOf(-0.0).Count, 0);
}

// Whole numbers of every size up to and past 2^53, with and without trailing
// zeros, and their neighbours, give the shortest round-trip digits.
TEST(DecimalDigits, WholeNumbersGiveTheirShortestRoundTripDigits) {
    std::uint64_t Seed = 9;
    for (int Case = 0; Case < 20000; ++Case) {
        Seed = Seed * 6364136223846793005u + 1442695040888963407u;
        const int Bits = static_cast<int>(Seed >> 58);
        const double Whole = static_cast<double>((Seed >> 11) >> (53 - std::min(Bits, 53)));
        for (const double Value :
             {Whole, -Whole, Whole * 1000, std::ldexp(1.0, Bits) + 1, std::ldexp(1.0, Bits) - 1,
              std::pow(10.0, Bits % 23), std::nextafter(Whole + 0.5, 0.0)}) {
            if (Value == 0) continue;
            ASSERT_EQ(DigitsText(DecimalDigitsOf(Value)), Shortest(Value)) << Value;
        }
    }
}

} // namespace
} // namespace vur
