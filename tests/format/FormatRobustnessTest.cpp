// Randomly generated patterns and values: formatting never crashes, never
// hangs and never fails except for the one documented error.
#include "format/DateTimePattern.h"
#include "format/GeneralNumber.h"
#include "format/NumberPattern.h"

#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace vur;

namespace {
constexpr auto TimeBudget = std::chrono::milliseconds(1500);

const double EdgeValues[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.5,
                             -2.5,
                             1e308,
                             -1e308,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             1e18,
                             999999999999999999.0,
                             0.9999999999,
                             2958465.9999999999,
                             -693594.0,
                             46000.6041666667};

class TRandomInput {
public:
    explicit TRandomInput(std::uint64_t Seed) : FRandom(Seed) {}

    std::string Pattern(std::string_view Alphabet, std::size_t MaxLength) {
        std::uniform_int_distribution<std::size_t> Length(0, MaxLength);
        std::uniform_int_distribution<std::size_t> Pick(0, Alphabet.size() - 1);
        std::string Text(Length(FRandom), ' ');
        for (char& C : Text) C = Alphabet[Pick(FRandom)];
        return Text;
    }

    double Value() {
        switch (FRandom() % 4) {
        case 0:
            return EdgeValues[FRandom() % std::size(EdgeValues)];
        case 1:
            return std::bit_cast<double>(FRandom());
        case 2:
            return std::uniform_real_distribution<double>(-1e6, 1e6)(FRandom);
        default:
            return std::uniform_real_distribution<double>(-1000, 3e6)(FRandom);
        }
    }

private:
    std::mt19937_64 FRandom;
};

template <class TBody>
int RunFor(std::chrono::milliseconds Budget, TBody&& Body) {
    const auto Stop = std::chrono::steady_clock::now() + Budget;
    int Rounds = 0;
    while (std::chrono::steady_clock::now() < Stop) {
        for (int I = 0; I < 64; ++I) Body();
        Rounds += 64;
    }
    return Rounds;
}
} // namespace

TEST(FormatRobustness, RandomNumberPatternsAndValues) {
    TRandomInput Input(4);
    const std::string_view Alphabet = "0#.,;Ee+-'\" %$0#0#.xhE+0E-0\"';;0";
    const int Rounds = RunFor(TimeBudget, [&] {
        const std::string Pattern = Input.Pattern(Alphabet, 260);
        if (Pattern.size() >= 225) {
            EXPECT_THROW(TNumberPattern{Pattern}, EConvertError) << Pattern;
            return;
        }
        const TNumberPattern Parsed(Pattern);
        for (int I = 0; I < 8; ++I) {
            const double Value = Input.Value();
            const std::string Text = Parsed.Format(Value);
            // Every character comes from the pattern, a digit, a sign or a separator.
            ASSERT_LE(Text.size(), 2 * Pattern.size() + 64) << Pattern;
            if (Value != Value) {
                ASSERT_EQ(Text, "NAN");
            }
        }
    });
    EXPECT_GT(Rounds, 0);
}

TEST(FormatRobustness, RandomDateTimePatternsAndValues) {
    TRandomInput Input(5);
    const std::string_view Alphabet = "dmyhnszctaAMPpDHY/:'\" cdddddtt/am/pma/pampmhhmm\"x";
    const int Rounds = RunFor(TimeBudget, [&] {
        const std::string Pattern = Input.Pattern(Alphabet, 300);
        const TDateTimePattern Parsed(Pattern);
        for (int I = 0; I < 8; ++I) {
            const double Value = Input.Value();
            const std::string Text = Parsed.Format(Value);
            if (Value != Value) {
                ASSERT_EQ(Text, "NAN");
            }
        }
    });
    EXPECT_GT(Rounds, 0);
}

TEST(FormatRobustness, SelfReferringLocalePatternsTerminate) {
    TFormatSettings Settings;
    Settings.ShortDatePattern = "c ddddd dddddd t tt";
    Settings.LongDatePattern = "dddddd c";
    Settings.ShortTimePattern = "t tt c";
    Settings.LongTimePattern = "tt t hh";
    for (const char* Pattern : {"c", "ddddd", "dddddd", "t", "tt", ""})
        EXPECT_NO_THROW(FormatDateTimeText(Pattern, 45000.5, Settings)) << Pattern;
}

TEST(FormatRobustness, RandomValuesThroughTheGeneralText) {
    TRandomInput Input(6);
    const int Rounds = RunFor(TimeBudget / 3, [&] {
        const double Value = Input.Value();
        const std::string Text = GeneralNumberText(Value, '.');
        ASSERT_FALSE(Text.empty());
        ASSERT_LE(Text.size(), 24u) << Text;
    });
    EXPECT_GT(Rounds, 0);
}
