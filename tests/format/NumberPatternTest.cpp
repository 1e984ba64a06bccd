#include "format/NumberPattern.h"

#include "format/KeptPattern.h"

#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using namespace vur;

namespace {
const TFormatSettings Plain; // "." decimal, "," thousands

std::string Fmt(const char* Pattern, double Value, const TFormatSettings& Settings = Plain) {
    return FormatNumberText(Pattern, Value, Settings);
}
} // namespace

TEST(NumberPattern, DefaultAxisPatternMatchesWorkedExamples) {
    const char* Default = "#,##0.###";
    EXPECT_EQ(Fmt(Default, 0), "0");
    EXPECT_EQ(Fmt(Default, 57), "57");
    EXPECT_EQ(Fmt(Default, 1234.5), "1,234.5");
    EXPECT_EQ(Fmt(Default, 0.12345), "0.123");
    EXPECT_EQ(Fmt(Default, 0.0004), "0");
    EXPECT_EQ(Fmt(Default, -5), "-5");
    EXPECT_EQ(Fmt(Default, 1234567), "1,234,567");
    for (int Label = 0; Label <= 80; Label += 20) EXPECT_EQ(Fmt(Default, Label), std::to_string(Label));
    EXPECT_EQ(Fmt(Default, 1000), "1,000");
}

TEST(NumberPattern, ThreeSectionsPickByValueSign) {
    const char* Pattern = "0.00;(0.00);zero";
    EXPECT_EQ(Fmt(Pattern, 3.14159), "3.14");
    EXPECT_EQ(Fmt(Pattern, -2), "(2.00)");
    EXPECT_EQ(Fmt(Pattern, 0), "zero");
    EXPECT_EQ(Fmt(Pattern, -0.0), "zero");
    // What rounds to zero is zero: the zero section, no sign.
    EXPECT_EQ(Fmt(Pattern, -0.001), "zero");
    EXPECT_EQ(Fmt(Pattern, 0.004), "zero");
    EXPECT_EQ(Fmt("0.00", -0.001), "0.00");
    EXPECT_EQ(Fmt("#,##0.###", -0.0004), "0");
}

TEST(NumberPattern, MissingOrEmptySectionsFallBackToTheFirst) {
    EXPECT_EQ(Fmt("0.0;(0.0)", 0), "0.0");
    EXPECT_EQ(Fmt("0.0;;zero", -1.25), "-1.3");
    EXPECT_EQ(Fmt("0.0;(0.0);", 0), "0.0");
    EXPECT_EQ(Fmt("0;-0-;zero;more", -7), "-7-");
    // A ";" inside quotes does not split.
    EXPECT_EQ(Fmt("0' ; '0", -12), "-1 ; 2");
}

TEST(NumberPattern, PatternWithoutDigitPlaceholdersIsItsLiteralText) {
    EXPECT_EQ(Fmt("hh:nn:ss", 12.5), "hh:nn:ss");
    EXPECT_EQ(Fmt("hh:nn:ss", -12.5), "hh:nn:ss");
    EXPECT_EQ(Fmt("n/a", 1e300), "n/a");
    EXPECT_EQ(Fmt("x.", 1e300), "x");
}

TEST(NumberPattern, ZeroPlaceholdersForceDigitsHashesDropInsignificantOnes) {
    EXPECT_EQ(Fmt("000", 7), "007");
    EXPECT_EQ(Fmt("0000.00", -3.14159), "-0003.14");
    EXPECT_EQ(Fmt("#.##", 0.5), ".5");
    EXPECT_EQ(Fmt("#.##", 0), "");
    EXPECT_EQ(Fmt("0.##", 5), "5");
    EXPECT_EQ(Fmt("0.##", 5.1), "5.1");
    EXPECT_EQ(Fmt("0.0#", 5), "5.0");
    EXPECT_EQ(Fmt("0.00", 5), "5.00");
    // Extra integer digits go at the first placeholder.
    EXPECT_EQ(Fmt("0", 1234567), "1234567");
    EXPECT_EQ(Fmt("0 0", 1234), "123 4");
    EXPECT_EQ(Fmt("0-0", 5), "0-5");
    EXPECT_EQ(Fmt("#-#", 5), "-5");
    // Without integer placeholders the integer digits precede the point.
    EXPECT_EQ(Fmt(".00", 12.345), "12.35");
}

TEST(NumberPattern, GroupingOnlyBetweenPlaceholders) {
    EXPECT_EQ(Fmt("#,##0", 1234567), "1,234,567");
    EXPECT_EQ(Fmt("#,#", 1234567), "1,234,567");
    EXPECT_EQ(Fmt("000,000", 5), "000,005");
    EXPECT_EQ(Fmt("#,##0.00", 999.999), "1,000.00");
    EXPECT_EQ(Fmt("#,##0", -1234), "-1,234");
    // Before or after all placeholders a comma is an ordinary character.
    EXPECT_EQ(Fmt("0,", 1234), "1234,");
    EXPECT_EQ(Fmt(",0", 1234), ",1234");
}

TEST(NumberPattern, DecimalPointIsTheFirstDotOnly) {
    EXPECT_EQ(Fmt("0.0.0", 1.25), "1.25");
    EXPECT_EQ(Fmt("0.0 pts.", 2), "2.0 pts");
}

TEST(NumberPattern, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(Fmt("0", 0.5), "1");
    EXPECT_EQ(Fmt("0", 1.5), "2");
    EXPECT_EQ(Fmt("0", 2.5), "3");
    EXPECT_EQ(Fmt("0", -2.5), "-3");
    EXPECT_EQ(Fmt("0.00", 0.125), "0.13");
    EXPECT_EQ(Fmt("0.00", -0.125), "-0.13");
    // Halves are judged on the value as written, not on its binary neighbour.
    EXPECT_EQ(Fmt("0.00", 2.675), "2.68");
    EXPECT_EQ(Fmt("0.00", 1.005), "1.01");
    EXPECT_EQ(Fmt("0.0", 9.96), "10.0");
    EXPECT_EQ(Fmt("#,##0", 999.5), "1,000");
}

TEST(NumberPattern, ScientificNotation) {
    EXPECT_EQ(Fmt("0.00E+00", 1234.5), "1.23E+03");
    EXPECT_EQ(Fmt("0.00E+00", 0.000123), "1.23E-04");
    EXPECT_EQ(Fmt("0.00E+00", -1234.5), "-1.23E+03");
    EXPECT_EQ(Fmt("0.00E+00", 0), "0.00E+00");
    EXPECT_EQ(Fmt("0.00E+00", 9.999), "1.00E+01");
    EXPECT_EQ(Fmt("0.00E+00", 1e300), "1.00E+300");
    // "-": the sign only for negative exponents.
    EXPECT_EQ(Fmt("0.0E-00", 1234), "1.2E03");
    EXPECT_EQ(Fmt("0.0E-00", 0.00012), "1.2E-04");
    EXPECT_EQ(Fmt("0.0e+0", 1234), "1.2e+3");
    // Integer placeholders before the point all carry digits.
    EXPECT_EQ(Fmt("##0.0E-0", 1234.5), "123.5E1");
    EXPECT_EQ(Fmt("##0.0E-0", 0.00012345), "123.5E-6");
    EXPECT_EQ(Fmt("##0.0E-0", 0), "0.0E0");
    // Minimum exponent digits, at most four.
    EXPECT_EQ(Fmt("0.0E+0000", 1e-10), "1.0E-0010");
    EXPECT_EQ(Fmt("0E+000000", 5), "5E+0000");
    EXPECT_EQ(Fmt("0.##E+00", 1500), "1.5E+03");
    EXPECT_EQ(Fmt("0.##E+00", 1000), "1E+03");
    EXPECT_EQ(Fmt("0.0E+00 'm'", 1500), "1.5E+03 m");
}

TEST(NumberPattern, ExponentMarkersThatAreLiteral) {
    EXPECT_EQ(Fmt("0E", 5), "5E");
    EXPECT_EQ(Fmt("0E+", 5), "5E+0");
    EXPECT_EQ(Fmt("0E+", 12), "1E+1");
    EXPECT_EQ(Fmt("E+00", 5), "E+05");
    EXPECT_EQ(Fmt("0 Euro", 5), "5 Euro");
}

TEST(NumberPattern, QuotedLiteralsInBothQuoteStyles) {
    EXPECT_EQ(Fmt("0.0 'kg'", 1.5), "1.5 kg");
    EXPECT_EQ(Fmt("\"#\"0", 5), "#5");
    EXPECT_EQ(Fmt("'E+'0", 5), "E+5");
    EXPECT_EQ(Fmt("'it''s' 0", 5), "its 5");
    EXPECT_EQ(Fmt("\"a'b\" 0", 5), "a'b 5");
    // An unterminated quote runs to the end of its section.
    EXPECT_EQ(Fmt("0 'open;(0)", -5), "-5 open;(0)");
}

TEST(NumberPattern, PercentStylePatterns) {
    EXPECT_EQ(Fmt("##0.## %", 45.678), "45.68 %");
    EXPECT_EQ(Fmt("##0.## %", 0.5), "0.5 %");
    EXPECT_EQ(Fmt("##0.## %", 100), "100 %");
    EXPECT_EQ(Fmt("0%", 12), "12%");
}

TEST(NumberPattern, SeparatorsComeFromTheSettings) {
    TFormatSettings German;
    German.DecimalSeparatorChar = ',';
    German.ThousandSeparatorChar = '.';
    EXPECT_EQ(Fmt("#,##0.###", 1234567.5, German), "1.234.567,5");
    EXPECT_EQ(Fmt("0.00E+00", 1234.5, German), "1,23E+03");
    TFormatSettings NoSeparators;
    NoSeparators.DecimalSeparatorChar = '\0';
    NoSeparators.ThousandSeparatorChar = '\0';
    EXPECT_EQ(Fmt("#,##0.00", 1234.5, NoSeparators), "123450");
}

TEST(NumberPattern, PatternsOf225CharactersOrMoreAreRejected) {
    const std::string Longest = "0" + std::string(223, 'x');
    EXPECT_EQ(Fmt(Longest.c_str(), 5), "5" + std::string(223, 'x'));
    const std::string TooLong = Longest + "x";
    try {
        FormatNumberText(TooLong, 5, Plain);
        FAIL() << "no exception";
    } catch (const EConvertError& Error) {
        EXPECT_EQ(Error.Message(), "Format string too long");
    }
}

TEST(NumberPattern, ValuesBeyondEighteenIntegerDigitsAndNonFiniteUseGeneralText) {
    EXPECT_EQ(Fmt("0", 1e17), "100000000000000000");
    EXPECT_EQ(Fmt("#,##0", 123456789012345678.0), "123,456,789,012,345,680");
    EXPECT_EQ(Fmt("0", 1e18), "1E+18");
    EXPECT_EQ(Fmt("#,##0.###", -1e300), "-1E+300");
    EXPECT_EQ(Fmt("0.00", 999999999999999999.0), "1E+18");
    EXPECT_EQ(Fmt("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(Fmt("0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(Fmt("0.00;(0.00)", -std::numeric_limits<double>::infinity()), "-INF");
    // Scientific sections show any finite value.
    EXPECT_EQ(Fmt("0.0E+0", 1.5e300), "1.5E+300");
}

TEST(NumberPattern, EmptyPatternGivesTheGeneralText) {
    EXPECT_EQ(Fmt("", 1.5), "1.5");
    EXPECT_EQ(Fmt("", 0.3), "0.3");
    EXPECT_EQ(Fmt(";(0)", 1.5), "1.5");
    EXPECT_EQ(Fmt(";(0)", -1.5), "(2)");
}

TEST(NumberPattern, TinyAndDenormalValues) {
    const double Denormal = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Fmt("0.00", Denormal), "0.00");
    EXPECT_EQ(Fmt("0.00", -Denormal), "0.00");
    EXPECT_EQ(Fmt("0.00E+00", 2.2250738585072014e-308), "2.23E-308");
}

TEST(NumberPattern, ParsedPatternFormatsManyValuesLikeTheOneShotCall) {
    const TNumberPattern Pattern("#,##0.###;(#,##0.###);'none'", Plain);
    for (double Value : {0.0, 1.0, -1.0, 1234.5678, -98765.4321, 0.00049}) {
        EXPECT_EQ(Pattern.Format(Value), Fmt("#,##0.###;(#,##0.###);'none'", Value));
    }
}

TEST(NumberPattern, FixedDecimalsAgreeWithPrintf) {
    std::mt19937_64 Random(20240611);
    std::uniform_real_distribution<double> Values(-1e6, 1e6);
    const TNumberPattern Pattern("0.000", Plain);
    for (int I = 0; I < 20000; ++I) {
        const double Value = Values(Random);
        if (std::fabs(Value) < 0.001) continue;
        char Expected[64];
        std::snprintf(Expected, sizeof Expected, "%.3f", Value);
        ASSERT_EQ(Pattern.Format(Value), Expected) << Value;
    }
}

TEST(NumberPattern, ScientificAgreesWithPrintf) {
    std::mt19937_64 Random(77);
    std::uniform_real_distribution<double> Mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> Exponent(-300, 300);
    const TNumberPattern Pattern("0.00E+00", Plain);
    for (int I = 0; I < 20000; ++I) {
        const double Value = std::ldexp(Mantissa(Random), Exponent(Random) * 3);
        if (!std::isfinite(Value) || Value == 0) continue;
        char Expected[64];
        std::snprintf(Expected, sizeof Expected, "%.2E", Value);
        ASSERT_EQ(Pattern.Format(Value), Expected) << Value;
    }
}

TEST(NumberPattern, AKeptPatternFollowsChangedSettingsAndTextsAndKeepsNothingOnFailure) {
    TKeptPattern<TNumberPattern> Kept;
    TFormatSettings Settings;
    EXPECT_EQ(Kept.Get("#,##0.0", Settings).Format(1234.5), "1,234.5");
    Settings.DecimalSeparatorChar = ',';
    EXPECT_EQ(Kept.Get("#,##0.0", Settings).Format(1234.5), "1,234,5");
    Settings.ThousandSeparatorChar = '.';
    EXPECT_EQ(Kept.Get("#,##0.0", Settings).Format(1234.5), "1.234,5");
    EXPECT_EQ(Kept.Get("#,##0.00", Settings).Format(1234.5), "1.234,50");
    EXPECT_EQ(Kept.Get("#,##0.0", Settings).Format(1234.5), "1.234,5");

    // A pattern that fails leaves nothing behind, not even the one before.
    EXPECT_THROW(Kept.Get(std::string(300, '0'), Settings), EConvertError);
    EXPECT_EQ(Kept.Get("#,##0.0", Settings).Format(1234.5), "1.234,5");
    EXPECT_THROW(Kept.Get(std::string(300, '0'), Settings), EConvertError);
    EXPECT_EQ(Kept.Get("0", Settings).Format(1234.25), "1234");
}
