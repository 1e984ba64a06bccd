#include "format/DateTimePattern.h"

#include "format/KeptPattern.h"

#include "framework/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <random>

using namespace vur;

namespace {
const TFormatSettings Plain;

// Sunday 9 March 2025, 14:05:07.045.
const TDateTime Sunday = EncodeDate(2025, 3, 9) + EncodeTime(14, 5, 7, 45);

std::string Fmt(const char* Pattern, TDateTime Value, const TFormatSettings& Settings = Plain) {
    return FormatDateTimeText(Pattern, Value, Settings);
}

TFormatSettings TwelveHourSettings() {
    TFormatSettings Settings;
    Settings.SetClockStyle({.TwelveHour = true, .LeadingZero = false, .MarkerFirst = false});
    return Settings;
}
} // namespace

TEST(DateTimePattern, WorkedExamples) {
    EXPECT_EQ(Fmt("hh:nn:ss", 0.25), "06:00:00");
    EXPECT_EQ(Fmt("hh:nn:ss", 46000.6041666667), "14:30:00");
    EXPECT_EQ(Fmt("h:mm am/pm", 46000.6041666667), "2:30 pm");
    EXPECT_EQ(Fmt("hh:nn:ss", 0.9999999999), "00:00:00");
    EXPECT_EQ(Fmt("yyyy-mm-dd hh:nn:ss", 0.9999999999), "1899-12-31 00:00:00");
}

TEST(DateTimePattern, DayTokens) {
    EXPECT_EQ(Fmt("d", Sunday), "9");
    EXPECT_EQ(Fmt("dd", Sunday), "09");
    EXPECT_EQ(Fmt("ddd", Sunday), "Sun");
    EXPECT_EQ(Fmt("dddd", Sunday), "Sunday");
    EXPECT_EQ(Fmt("ddddd", Sunday), "3/9/25");
    EXPECT_EQ(Fmt("dddddd", Sunday), "March 9, 2025");
    EXPECT_EQ(Fmt("aaa", Sunday), "Sun");
    EXPECT_EQ(Fmt("aaaa", Sunday), "Sunday");
    EXPECT_EQ(Fmt("d", EncodeDate(2025, 3, 23)), "23");
}

TEST(DateTimePattern, MonthAndYearTokens) {
    EXPECT_EQ(Fmt("m", Sunday), "3");
    EXPECT_EQ(Fmt("mm", Sunday), "03");
    EXPECT_EQ(Fmt("mmm", Sunday), "Mar");
    EXPECT_EQ(Fmt("mmmm", Sunday), "March");
    EXPECT_EQ(Fmt("y", Sunday), "25");
    EXPECT_EQ(Fmt("yy", EncodeDate(2007, 1, 1)), "07");
    EXPECT_EQ(Fmt("yyy", Sunday), "2025");
    EXPECT_EQ(Fmt("yyyy", Sunday), "2025");
    EXPECT_EQ(Fmt("yyyyyy", Sunday), "2025");
}

TEST(DateTimePattern, TimeTokens) {
    const TDateTime Morning = EncodeDate(2025, 3, 9) + EncodeTime(9, 5, 7, 5);
    EXPECT_EQ(Fmt("h", Morning), "9");
    EXPECT_EQ(Fmt("hh", Morning), "09");
    EXPECT_EQ(Fmt("hhh", Morning), "09");
    EXPECT_EQ(Fmt("h", Sunday), "14");
    EXPECT_EQ(Fmt("n", Morning), "5");
    EXPECT_EQ(Fmt("nn", Morning), "05");
    EXPECT_EQ(Fmt("nnn", Morning), "05");
    EXPECT_EQ(Fmt("s", Morning), "7");
    EXPECT_EQ(Fmt("ss", Morning), "07");
    EXPECT_EQ(Fmt("sss", Morning), "07");
    EXPECT_EQ(Fmt("z", Morning), "5");
    EXPECT_EQ(Fmt("zz", Morning), "05");
    EXPECT_EQ(Fmt("zzz", Morning), "005");
    EXPECT_EQ(Fmt("zzz", Sunday), "045");
    EXPECT_EQ(Fmt("z", Sunday), "45");
}

TEST(DateTimePattern, NestedLocalePatterns) {
    const TFormatSettings Settings = TwelveHourSettings();
    EXPECT_EQ(Fmt("t", Sunday, Settings), "2:05 pm");
    EXPECT_EQ(Fmt("tt", Sunday, Settings), "2:05:07 pm");
    EXPECT_EQ(Fmt("c", Sunday, Settings), "3/9/25 2:05:07 pm");
    EXPECT_EQ(Fmt("", Sunday, Settings), "3/9/25 2:05:07 pm");
    // A whole day shows the date only; milliseconds alone do not count as a time.
    EXPECT_EQ(Fmt("c", EncodeDate(2025, 3, 9), Settings), "3/9/25");
    EXPECT_EQ(Fmt("c!", EncodeDate(2025, 3, 9) + EncodeTime(0, 0, 0, 400), Settings), "3/9/25!");
    EXPECT_EQ(Fmt("c", EncodeDate(2025, 3, 9) + EncodeTime(0, 0, 1, 0), Settings), "3/9/25 12:00:01 am");
}

TEST(DateTimePattern, NestingStopsAfterTwoLevels) {
    TFormatSettings Settings;
    Settings.ShortDatePattern = "dd 'x' c ddddd tt";
    Settings.LongTimePattern = "hh";
    // Inside a nested pattern, further nested tokens write nothing.
    EXPECT_EQ(Fmt("ddddd", Sunday, Settings), "09 x   ");
    Settings.ShortDatePattern = "ddddd";
    EXPECT_EQ(Fmt("<ddddd>", Sunday, Settings), "<>");
    EXPECT_EQ(Fmt("c", Sunday, Settings), " 14");
}

TEST(DateTimePattern, AmPmMarkers) {
    const TDateTime Morning = EncodeTime(9, 0, 0, 0);
    const TDateTime Noon = EncodeTime(12, 0, 0, 0);
    EXPECT_EQ(Fmt("am/pm", Morning), "am");
    EXPECT_EQ(Fmt("am/pm", Noon), "pm");
    EXPECT_EQ(Fmt("AM/PM", Noon), "PM");
    EXPECT_EQ(Fmt("Am/pM", Noon), "pM");
    EXPECT_EQ(Fmt("a/p", Morning), "a");
    EXPECT_EQ(Fmt("A/P", Noon), "P");
    TFormatSettings Settings;
    Settings.TimeAMText = "vorm.";
    Settings.TimePMText = "nachm.";
    EXPECT_EQ(Fmt("ampm", Morning, Settings), "vorm.");
    EXPECT_EQ(Fmt("AMPM", Noon, Settings), "nachm.");
}

TEST(DateTimePattern, TwelveHourClockFromALaterMarker) {
    const auto At = [](int Hour, int Minute) { return EncodeTime(Hour, Minute, 0, 0); };
    EXPECT_EQ(Fmt("h:nn am/pm", At(0, 30)), "12:30 am");
    EXPECT_EQ(Fmt("h:nn am/pm", At(12, 30)), "12:30 pm");
    EXPECT_EQ(Fmt("h:nn a/p", At(13, 0)), "1:00 p");
    EXPECT_EQ(Fmt("hh:nn AMPM", At(23, 59)), "11:59 pm");
    // The look-ahead stops at the next "a" or "h" and skips quoted text.
    EXPECT_EQ(Fmt("h' am/pm'", At(14, 0)), "14 am/pm");
    EXPECT_EQ(Fmt("h h am/pm", At(14, 0)), "14 2 pm");
    EXPECT_EQ(Fmt("h aaa am/pm", EncodeDate(2025, 3, 9) + At(14, 0)), "14 Sun pm");
    // Once a marker is written, later hours stay on the 12-hour clock.
    EXPECT_EQ(Fmt("am/pm h", At(14, 0)), "pm 2");
    EXPECT_EQ(Fmt("h am/pm hh", At(14, 0)), "2 pm 02");
    EXPECT_EQ(Fmt("hh", At(14, 0)), "14");
}

TEST(DateTimePattern, MinutesRightAfterAnHourToken) {
    EXPECT_EQ(Fmt("h:m", Sunday), "14:5");
    EXPECT_EQ(Fmt("hh:mm", Sunday), "14:05");
    EXPECT_EQ(Fmt("hh mm", Sunday), "14 05");
    EXPECT_EQ(Fmt("hh'h'mm", Sunday), "14h05");
    EXPECT_EQ(Fmt("hh:mmm", Sunday), "14:Mar");
    EXPECT_EQ(Fmt("mm", Sunday), "03");
    EXPECT_EQ(Fmt("h d mm", Sunday), "14 9 03");
    EXPECT_EQ(Fmt("hh:nn mm", Sunday), "14:05 03");
}

TEST(DateTimePattern, LettersMatchWithoutCaseRunsKeepTheirCase) {
    EXPECT_EQ(Fmt("DD/MM/YYYY HH:NN:SS", Sunday), "09/03/2025 14:05:07");
    EXPECT_EQ(Fmt("Mm", Sunday), "33");
    EXPECT_EQ(Fmt("Dddd", Sunday), "9Sun");
}

TEST(DateTimePattern, SeparatorsAndLiterals) {
    TFormatSettings Settings;
    Settings.DateSeparatorChar = '-';
    Settings.TimeSeparatorChar = '.';
    EXPECT_EQ(Fmt("yyyy/mm/dd hh:nn", Sunday, Settings), "2025-03-09 14.05");
    Settings.DateSeparatorChar = '\0';
    Settings.TimeSeparatorChar = '\0';
    EXPECT_EQ(Fmt("yyyy/mm/dd hh:nn", Sunday, Settings), "20250309 1405");
    EXPECT_EQ(Fmt("'d' d \"m\" m", Sunday), "d 9 m 3");
    EXPECT_EQ(Fmt("\"it's\" d", Sunday), "it's 9");
    EXPECT_EQ(Fmt("[d] #1 x", Sunday), "[9] #1 x");
    EXPECT_EQ(Fmt("'unterminated d", Sunday), "unterminated d");
}

TEST(DateTimePattern, NamesComeFromTheSettingsTables) {
    TFormatSettings German;
    German.LongMonthNameList[2] = "M\xE4rz";
    German.ShortMonthNameList[2] = "Mrz";
    German.LongDayNameList[0] = "Sonntag";
    German.ShortDayNameList[0] = "So";
    EXPECT_EQ(Fmt("dddd, d. mmmm yyyy", Sunday, German), "Sonntag, 9. M\xE4rz 2025");
    EXPECT_EQ(Fmt("ddd mmm", Sunday, German), "So Mrz");
}

TEST(DateTimePattern, CalendarLimitsAndDatesBeforeTheEpoch) {
    EXPECT_EQ(Fmt("yyyy-mm-dd dddd", EncodeDate(1, 1, 1)), "0001-01-01 Monday");
    EXPECT_EQ(Fmt("yyyy-mm-dd dddd hh:nn", EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 0, 0)),
              "9999-12-31 Friday 23:59");
    EXPECT_EQ(Fmt("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
    EXPECT_EQ(Fmt("yyyy-mm-dd hh:nn", EncodeDate(1800, 6, 1) - EncodeTime(18, 0, 0, 0)), "1800-06-01 18:00");
    EXPECT_EQ(Fmt("yyyy-mm-dd", EncodeDate(2024, 2, 29)), "2024-02-29");
}

TEST(DateTimePattern, OutOfRangeAndNonFiniteValuesGiveTheGeneralText) {
    EXPECT_EQ(Fmt("hh:nn:ss", 1e308), "1E+308");
    EXPECT_EQ(Fmt("hh:nn:ss", -1e308), "-1E+308");
    EXPECT_EQ(Fmt("hh:nn:ss", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(Fmt("hh:nn:ss", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(Fmt("yyyy", EncodeDate(1, 1, 1) - 1), "-693594");
    EXPECT_EQ(Fmt("yyyy", EncodeDate(9999, 12, 31) + 1), "2958466");
    // Rounding to the millisecond can carry past the last day.
    EXPECT_EQ(Fmt("yyyy", 2958465.9999999999), "2958466");
    EXPECT_EQ(Fmt("hh:nn:ss", std::numeric_limits<double>::denorm_min()), "00:00:00");
}

TEST(DateTimePattern, DefaultFormatDependsOnTheSpan) {
    TFormatSettings Settings;
    Settings.ShortDatePattern = "dd/mm";
    Settings.ShortTimePattern = "hh:mm";
    EXPECT_EQ(DateTimeDefaultFormat(9.0 / 86400, Settings), "hh:mm");
    EXPECT_EQ(DateTimeDefaultFormat(1, Settings), "hh:mm");
    EXPECT_EQ(DateTimeDefaultFormat(3, Settings), "dd/mm");
}

TEST(DateTimePattern, WholeSecondsOfEachValue) {
    // Labels 0.864 seconds apart: each shows the seconds of its own value.
    const TDateTimePattern Pattern("hh:nn:ss", Plain);
    const TDateTime Start = EncodeDate(2025, 3, 9) + EncodeTime(10, 0, 0, 0);
    const double Step = 0.864 / 86400;
    EXPECT_EQ(Pattern.Format(Start + 1 * Step), "10:00:00");
    EXPECT_EQ(Pattern.Format(Start + 2 * Step), "10:00:01");
    EXPECT_EQ(Pattern.Format(Start + 3 * Step), "10:00:02");
    EXPECT_EQ(Pattern.Format(Start + 4 * Step), "10:00:03");
    EXPECT_EQ(Pattern.Format(Start + 5 * Step), "10:00:04");
    EXPECT_EQ(Pattern.Format(Start + 6 * Step), "10:00:05");
    EXPECT_EQ(Pattern.Format(Start + 7 * Step), "10:00:06");
    EXPECT_EQ(Pattern.Format(Start + 8 * Step), "10:00:06");
}

TEST(DateTimePattern, AgreesWithStrftime) {
    std::mt19937_64 Random(1899);
    // 1 January 1900 to 1 January 2100 in seconds since 1970.
    std::uniform_int_distribution<long long> Seconds(-2208988800LL, 4102444800LL);
    const TDateTimePattern Pattern("yyyy-mm-dd hh:nn:ss ddd dddd mmm mmmm", Plain);
    for (int I = 0; I < 5000; ++I) {
        const long long Unix = Seconds(Random);
        const std::time_t Time = static_cast<std::time_t>(Unix);
        std::tm Fields{};
        ASSERT_NE(gmtime_r(&Time, &Fields), nullptr);
        char Expected[128];
        std::strftime(Expected, sizeof Expected, "%Y-%m-%d %H:%M:%S %a %A %b %B", &Fields);
        const TDateTime Value = 25569 + static_cast<double>(Unix) / 86400;
        ASSERT_EQ(Pattern.Format(Value), Expected) << Unix;
    }
}

TEST(DateTimePattern, AKeptPatternFollowsEverySettingItReads) {
    TKeptPattern<TDateTimePattern> Kept;
    const auto Fmt = [&](const char* Pattern, TDateTime Value, const TFormatSettings& Settings) {
        return Kept.Get(Pattern, Settings).Format(Value);
    };
    TFormatSettings Settings;
    EXPECT_EQ(Fmt("mmmm hh:nn", Sunday, Settings), "March 14:05");
    Settings.LongMonthNameList[2] = "Maart";
    EXPECT_EQ(Fmt("mmmm hh:nn", Sunday, Settings), "Maart 14:05");
    Settings.TimeSeparatorChar = '.';
    EXPECT_EQ(Fmt("mmmm hh:nn", Sunday, Settings), "Maart 14.05");
    Settings.ShortDatePattern = "yyyy";
    EXPECT_EQ(Fmt("ddddd", Sunday, Settings), "2025");
    Settings.ShortDatePattern = "yy";
    EXPECT_EQ(Fmt("ddddd", Sunday, Settings), "25");
    Settings.TimePMText = "PM";
    EXPECT_EQ(Fmt("ampm", Sunday, Settings), "PM");
    Settings.DecimalSeparatorChar = ',';
    EXPECT_EQ(Fmt("ampm", 1e300, Settings), "1E+300");
    EXPECT_EQ(Fmt("ampm", 1.5e300, Settings), "1,5E+300");
}
