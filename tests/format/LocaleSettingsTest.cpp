#include "format/LocaleSettings.h"

#include "format/DateTimePattern.h"
#include "format/NumberPattern.h"
#include "framework/DateTime.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

using namespace vur;

namespace {
const TDateTime Sunday = EncodeDate(2025, 3, 9) + EncodeTime(14, 5, 7, 0);
} // namespace

TEST(LocaleSettings, FallbacksWhenNothingIsLoaded) {
    const TFormatSettings Settings;
    EXPECT_EQ(Settings.ThousandSeparatorChar, ',');
    EXPECT_EQ(Settings.DecimalSeparatorChar, '.');
    EXPECT_EQ(Settings.DateSeparatorChar, '/');
    EXPECT_EQ(Settings.TimeSeparatorChar, ':');
    EXPECT_EQ(Settings.ShortDatePattern, "m/d/yy");
    EXPECT_EQ(Settings.LongDatePattern, "mmmm d, yyyy");
    EXPECT_EQ(Settings.TimeAMText, "am");
    EXPECT_EQ(Settings.TimePMText, "pm");
}

TEST(LocaleSettings, TimePatternsAreBuiltFromTheClockStyle) {
    TFormatSettings Settings;
    Settings.SetClockStyle({.TwelveHour = false, .LeadingZero = true, .MarkerFirst = false});
    EXPECT_EQ(Settings.ShortTimePattern, "hh:mm");
    EXPECT_EQ(Settings.LongTimePattern, "hh:mm:ss");
    Settings.SetClockStyle({.TwelveHour = false, .LeadingZero = false, .MarkerFirst = false});
    EXPECT_EQ(Settings.LongTimePattern, "h:mm:ss");
    Settings.SetClockStyle({.TwelveHour = true, .LeadingZero = false, .MarkerFirst = false});
    EXPECT_EQ(Settings.ShortTimePattern, "h:mm AMPM");
    EXPECT_EQ(Settings.LongTimePattern, "h:mm:ss AMPM");
    Settings.SetClockStyle({.TwelveHour = true, .LeadingZero = true, .MarkerFirst = true});
    EXPECT_EQ(Settings.ShortTimePattern, "AMPM hh:mm");
    EXPECT_EQ(FormatDateTimeText("tt", Sunday, Settings), "pm 02:05:07");
}

TEST(LocaleSettings, StrftimeDateFormatsBecomePatterns) {
    EXPECT_EQ(PatternFromStrftime("%d/%m/%Y", '/', '\0'), "dd/mm/yyyy");
    EXPECT_EQ(PatternFromStrftime("%m/%d/%y", '/', '\0'), "mm/dd/yy");
    EXPECT_EQ(PatternFromStrftime("%d.%m.%Y", '.', '\0'), "dd/mm/yyyy");
    EXPECT_EQ(PatternFromStrftime("%Y-%m-%d", '-', '\0'), "yyyy/mm/dd");
    EXPECT_EQ(PatternFromStrftime("%e %b %Y", '\0', '\0'), "d mmm yyyy");
    EXPECT_EQ(PatternFromStrftime("%a %e %b %Y", '\0', '\0', true), "dddd d mmmm yyyy");
    EXPECT_EQ(PatternFromStrftime("%-d/%-m/%Y", '/', '\0'), "d/m/yyyy");
    EXPECT_EQ(PatternFromStrftime("%H:%M:%S", '\0', ':'), "hh:nn:ss");
    EXPECT_EQ(PatternFromStrftime("%I:%M %p", '\0', ':'), "hh:nn AMPM");
    // Literal text that the pattern language would read as tokens is quoted.
    EXPECT_EQ(PatternFromStrftime("%d de %B de %Y", '\0', '\0'), "dd \"de\" mmmm \"de\" yyyy");
    EXPECT_EQ(PatternFromStrftime("%Y/%m", '-', '\0'), "yyyy\"/\"mm");
    EXPECT_EQ(PatternFromStrftime("\"%d\"", '\0', '\0'), "'\"'dd'\"'");
    // Neighbouring fields of one letter stay apart.
    EXPECT_EQ(PatternFromStrftime("%d%a", '\0', '\0'), "dd''ddd");
    // Era modifiers and unknown fields.
    EXPECT_EQ(PatternFromStrftime("%EY %Od %j%%", '\0', '\0'), "yyyy dd %");
}

TEST(LocaleSettings, ConvertedPatternsFormatLikeStrftime) {
    const std::tm Fields = [] {
        std::tm F{};
        F.tm_year = 125;
        F.tm_mon = 2;
        F.tm_mday = 9;
        F.tm_wday = 0;
        F.tm_hour = 14;
        F.tm_min = 5;
        F.tm_sec = 7;
        return F;
    }();
    for (const char* Format : {"%d/%m/%Y", "%Y-%m-%d", "%d.%m.%y", "%A, %B %d, %Y", "%a %b %d %H:%M:%S %Y"}) {
        const char Separator = SeparatorOfStrftime(Format);
        TFormatSettings Settings;
        if (Separator != '\0') Settings.DateSeparatorChar = Separator;
        char Expected[128];
        std::strftime(Expected, sizeof Expected, Format, &Fields);
        const std::string Pattern = PatternFromStrftime(Format, Settings.DateSeparatorChar, ':');
        EXPECT_EQ(FormatDateTimeText(Pattern, Sunday, Settings), Expected) << Format << " -> " << Pattern;
    }
}

TEST(LocaleSettings, CompositeConversionsExpand) {
    TStrftimeFormats Formats;
    Formats.Date = "%d.%m.%Y";
    Formats.Time = "%T";
    EXPECT_EQ(ExpandStrftime("%x %X", Formats), "%d.%m.%Y %H:%M:%S");
    EXPECT_EQ(ExpandStrftime("%D|%F|%R|%r", Formats), "%m/%d/%y|%Y-%m-%d|%H:%M|%I:%M:%S %p");
    // A format that refers to itself ends.
    Formats.DateTime = "<%c>";
    EXPECT_EQ(ExpandStrftime("%c", Formats), "<<<>>>");
}

TEST(LocaleSettings, SeparatorsAndClockStyleOfFormats) {
    EXPECT_EQ(SeparatorOfStrftime("%d.%m.%Y"), '.');
    EXPECT_EQ(SeparatorOfStrftime("(%Y-%m-%d)"), '-');
    EXPECT_EQ(SeparatorOfStrftime("%Y\xE5\xB9\xB4%m"), '\0');
    EXPECT_EQ(SeparatorOfStrftime("%H.%M"), '.');

    const TClockStyle European = ClockStyleOfStrftime("%H:%M:%S");
    EXPECT_FALSE(European.TwelveHour);
    EXPECT_TRUE(European.LeadingZero);
    const TClockStyle American = ClockStyleOfStrftime("%I:%M:%S %p");
    EXPECT_TRUE(American.TwelveHour);
    EXPECT_TRUE(American.LeadingZero);
    EXPECT_FALSE(American.MarkerFirst);
    const TClockStyle MarkerFirst = ClockStyleOfStrftime("%p %l:%M");
    EXPECT_TRUE(MarkerFirst.TwelveHour);
    EXPECT_FALSE(MarkerFirst.LeadingZero);
    EXPECT_TRUE(MarkerFirst.MarkerFirst);
    EXPECT_FALSE(ClockStyleOfStrftime("%-H:%M").LeadingZero);
    EXPECT_FALSE(ClockStyleOfStrftime("%k:%M").LeadingZero);
}

TEST(LocaleSettings, LongDateIsTheDatePartOfTheDateTimeFormat) {
    EXPECT_EQ(DatePartOfStrftime("%a %d %b %Y %I:%M:%S %p %Z"), "%a %d %b %Y");
    EXPECT_EQ(DatePartOfStrftime("%a %b %e %H:%M:%S %Y"), "%a %b %e %Y");
    EXPECT_EQ(DatePartOfStrftime("  %H:%M  "), "");
}

TEST(LocaleSettings, ThePosixLocale) {
    const TFormatSettings Settings = ReadLocaleFormatSettings("C");
    EXPECT_EQ(Settings.DecimalSeparatorChar, '.');
    EXPECT_EQ(Settings.ThousandSeparatorChar, ','); // the C locale has none: fallback
    EXPECT_EQ(Settings.DateSeparatorChar, '/');
    EXPECT_EQ(Settings.TimeSeparatorChar, ':');
    EXPECT_EQ(Settings.ShortDatePattern, "mm/dd/yy");
    EXPECT_EQ(Settings.LongDatePattern, "dddd mmmm d yyyy");
    EXPECT_EQ(Settings.ShortTimePattern, "hh:mm");
    EXPECT_EQ(Settings.LongTimePattern, "hh:mm:ss");
    EXPECT_EQ(Settings.TimeAMText, "AM");
    EXPECT_EQ(Settings.LongMonthNameList[0], "January");
    EXPECT_EQ(Settings.ShortDayNameList[6], "Sat");
    EXPECT_EQ(FormatDateTimeText("c", Sunday, Settings), "03/09/25 14:05:07");
    EXPECT_EQ(FormatDateTimeText("dddddd", Sunday, Settings), "Sunday March 9 2025");
}

// A locale with a decimal comma and no thousands separator (Bulgarian,
// Serbian) once kept the fallback "," beside it: 1500.5 read "1,500,5".
TEST(LocaleSettings, TheThousandsSeparatorNeverReadsAsTheDecimalSeparator) {
    struct TCase {
        const char* Converted;
        bool LocaleHasOne;
        char Decimal;
        char Expected;
    };
    const TCase Cases[] = {
        {"", false, '.', ','},  // none: the fallback
        {"", false, ',', '\0'}, // none beside a decimal comma: no grouping
        {".", true, ',', '.'},  // German
        {",", true, ',', '\0'}, // the same as the decimal separator
        {"", true, ',', ' '},   // a grouping space the code page lacks
        {"\xA0", true, ',', '\xA0'},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message()
                     << '"' << Case.Converted << "\" " << Case.LocaleHasOne << " " << Case.Decimal);
        EXPECT_EQ(ChooseThousandSeparator(Case.Converted, Case.LocaleHasOne, Case.Decimal), Case.Expected);
    }
    TFormatSettings Bulgarian;
    Bulgarian.DecimalSeparatorChar = ',';
    Bulgarian.ThousandSeparatorChar = ChooseThousandSeparator("", false, ',');
    EXPECT_EQ(FormatNumberText("#,##0.###", 1500.5, Bulgarian), "1500,5");
}

TEST(LocaleSettings, UnknownLocaleKeepsTheFallbacks) {
    const TFormatSettings Settings = ReadLocaleFormatSettings("xx_NOWHERE.NOCODESET");
    const TFormatSettings Fallback;
    EXPECT_EQ(Settings.ShortDatePattern, Fallback.ShortDatePattern);
    EXPECT_EQ(Settings.LongTimePattern, Fallback.LongTimePattern);
    EXPECT_EQ(Settings.DecimalSeparatorChar, Fallback.DecimalSeparatorChar);
    EXPECT_EQ(Settings.LongDayNameList, Fallback.LongDayNameList);
}

TEST(LocaleSettings, ReadingALocaleLeavesTheProcessLocaleAlone) {
    const std::string Before = std::setlocale(LC_ALL, nullptr);
    ReadLocaleFormatSettings("C.UTF-8");
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), Before);
}

TEST(LocaleSettings, TextsConvertToTheEngineCodePageOrNotAtAll) {
    EXPECT_EQ(ToWindows1252("M\xC3\xA4rz", "UTF-8"), "M\xE4rz");
    EXPECT_EQ(ToWindows1252("d\xC3\xA9"
                            "c.",
                            "UTF-8"),
              "d\xE9"
              "c.");
    EXPECT_EQ(ToWindows1252("Why?", "UTF-8"), "Why?");
    // The narrow no-break space some locales group digits with.
    EXPECT_EQ(ToWindows1252("\xE2\x80\xAF", "UTF-8"), " ");
    // Text the code page cannot show: the caller keeps its fallback.
    EXPECT_EQ(ToWindows1252("\xE5\x8D\x88\xE5\x89\x8D", "UTF-8"), "");
    EXPECT_EQ(ToWindows1252("\xFF\xFE", "UTF-8"), "");
    EXPECT_EQ(ToWindows1252("plain", "NO-SUCH-CODESET"), "plain");
    EXPECT_EQ(ToWindows1252("M\xC3\xA4rz", "NO-SUCH-CODESET"), "");
}
