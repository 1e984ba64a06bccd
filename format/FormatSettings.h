// The locale settings the number and date-time formatters read. One
// process-wide instance is filled at program start; tests and callers that
// need other conventions pass their own object.
#pragma once

#include <array>
#include <string>

namespace vur {

// How the locale writes the hour of its time patterns.
struct TClockStyle {
    bool TwelveHour = false;
    bool LeadingZero = true;
    // The am/pm marker goes before the time instead of after it.
    bool MarkerFirst = false;
};

struct TFormatSettings {
    // A separator that is the null character writes nothing.
    char ThousandSeparatorChar = ',';
    char DecimalSeparatorChar = '.';
    char DateSeparatorChar = '/';
    char TimeSeparatorChar = ':';
    std::string ShortDatePattern = "m/d/yy";
    std::string LongDatePattern = "mmmm d, yyyy";
    std::string TimeAMText = "am";
    std::string TimePMText = "pm";
    std::string ShortTimePattern = "hh:mm";
    std::string LongTimePattern = "hh:mm:ss";
    std::array<std::string, 12> ShortMonthNameList = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNameList = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
    // Sunday first.
    std::array<std::string, 7> ShortDayNameList = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNameList = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

    // Builds ShortTimePattern and LongTimePattern: [prefix] hour ":mm" [":ss"] [suffix].
    void SetClockStyle(const TClockStyle& Style);
};

// The process-wide settings: the fallbacks until the program loads the locale.
TFormatSettings& FormatSettings();

} // namespace vur
