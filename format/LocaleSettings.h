// Format settings from a POSIX locale: separators, names and the locale's
// strftime date and time formats converted into the date-time pattern
// language. Nothing else in the engine reads the environment.
#pragma once

#include "format/FormatSettings.h"

#include <string>
#include <string_view>

namespace vur {

// The locale's composite strftime formats, which "%x", "%X", "%r" and "%c" stand for.
struct TStrftimeFormats {
    std::string Date = "%m/%d/%y";
    std::string Time = "%H:%M:%S";
    std::string TimeAmPm = "%I:%M:%S %p";
    std::string DateTime = "%a %b %e %H:%M:%S %Y";
};

// Text of the given code set in the engine's 8-bit code page, transliterated
// where needed; empty when it cannot be shown there.
std::string ToWindows1252(const char* Text, const char* Codeset);

// Format with every composite conversion ("%D", "%F", "%T", "%R", "%r", "%x",
// "%X", "%c") replaced by what it stands for.
std::string ExpandStrftime(std::string_view Format, const TStrftimeFormats& Formats);

// The first punctuation between the fields of an expanded format, or the null
// character when there is none.
char SeparatorOfStrftime(std::string_view Format);

// An expanded format as a date-time pattern: DateSeparator becomes "/",
// TimeSeparator ":", other literal text is quoted. LongNames writes day and
// month names in full.
std::string PatternFromStrftime(std::string_view Format, char DateSeparator, char TimeSeparator,
                                bool LongNames = false);

// The date fields of an expanded date-and-time format: the blank-separated
// words that hold no time field.
std::string DatePartOfStrftime(std::string_view Format);

// The thousands separator beside Decimal, from the locale's own one: Converted
// is that in the engine's code page (empty when the locale has none or the
// code page cannot show it), LocaleHasOne whether the locale has one at all.
// A separator the code page lacks becomes a blank; without any, the fallback
// "," stays unless it is the decimal separator; a separator that would read
// as the decimal separator is dropped (the null character writes nothing).
char ChooseThousandSeparator(const std::string& Converted, bool LocaleHasOne, char Decimal);

// Hour style of an expanded time format.
TClockStyle ClockStyleOfStrftime(std::string_view Format);

// Settings from the named locale ("" is the one the environment selects),
// with the fallbacks where it gives nothing. The process locale is left as it is.
TFormatSettings ReadLocaleFormatSettings(const char* LocaleName = "");

// Fills FormatSettings() from the environment's locale; the program calls it once at start.
void LoadLocaleFormatSettings();

} // namespace vur
