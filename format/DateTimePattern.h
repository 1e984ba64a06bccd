// Date-time patterns: day, month, year, hour, minute, second and millisecond
// tokens, names, am/pm markers, nested locale patterns, separators and quoted
// literals. A pattern is parsed once against a settings object (separators,
// names and nested patterns are resolved then); Format writes values from it.
#pragma once

#include "format/FormatSettings.h"
#include "framework/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TDateTimePattern {
public:
    // An empty pattern means "c".
    explicit TDateTimePattern(std::string_view Pattern, const TFormatSettings& Settings = FormatSettings());

    // Values outside 1 January 1 to 31 December 9999 (after rounding to the
    // millisecond) and non-finite values give their general number text.
    std::string Format(TDateTime Value) const;

    // Whether Settings agree with the settings this pattern was parsed with in
    // every item the pattern reads, so that parsing again would change nothing.
    bool ReadsSameAs(const TFormatSettings& Settings) const;

private:
    enum TTokenKind : std::uint8_t {
        tkLiteral,
        tkDay,
        tkDayName,
        tkMonth,
        tkMonthName,
        tkYear,
        tkHour,
        tkMinute,
        tkSecond,
        tkMillisecond,
        tkAmPm,
        // The next Length tokens are skipped when the time is a whole day.
        tkTimeGroup,
    };
    struct TToken {
        TTokenKind Kind;
        // Digits (1 to 4), or 3 for short and 4 for long names.
        std::uint8_t Width = 0;
        bool TwelveHour = false;
        // Literal, am text: in FLiterals. Time group: tokens covered.
        int Start = 0;
        int Length = 0;
        // Pm text.
        int Start2 = 0;
        int Length2 = 0;
    };

    // The settings items a pattern reads besides the decimal separator.
    enum TSettingsRead : std::uint16_t {
        srDateSeparator = 1 << 0,
        srTimeSeparator = 1 << 1,
        srAmPmText = 1 << 2,
        srShortDayNames = 1 << 3,
        srLongDayNames = 1 << 4,
        srShortMonthNames = 1 << 5,
        srLongMonthNames = 1 << 6,
        srShortDate = 1 << 7,
        srLongDate = 1 << 8,
        srShortTime = 1 << 9,
        srLongTime = 1 << 10,
    };

    void Parse(std::string_view Pattern, int Depth);
    void AddLiteral(std::string_view Text);
    void AddAmPm(std::string_view Am, std::string_view Pm);
    void AddName(TTokenKind Kind, std::uint8_t Width);
    int TokenMaxLength(const TToken& Token) const;

    std::vector<TToken> FTokens;
    std::string FLiterals;
    // Literals are never joined across a time group's end.
    std::size_t FJoinFloor = 0;
    std::size_t FMaxLength = 0;
    TFormatSettings FSettings;
    std::uint16_t FReads = 0;
};

// Parses Pattern and formats Value; callers formatting many values keep a
// TDateTimePattern (or a TKeptPattern of one) instead.
std::string FormatDateTimeText(std::string_view Pattern, TDateTime Value, const TFormatSettings& Settings);
std::string FormatDateTimeText(std::string_view Pattern, TDateTime Value);

// ShortDatePattern for spans of more than a day, else ShortTimePattern.
std::string DateTimeDefaultFormat(double Span, const TFormatSettings& Settings);
std::string DateTimeDefaultFormat(double Span);

} // namespace vur
