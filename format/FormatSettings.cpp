#include "format/FormatSettings.h"

namespace vur {

void TFormatSettings::SetClockStyle(const TClockStyle& Style) {
    const std::string Hour = Style.LeadingZero ? "hh" : "h";
    std::string Prefix;
    std::string Suffix;
    if (Style.TwelveHour) (Style.MarkerFirst ? Prefix : Suffix) = Style.MarkerFirst ? "AMPM " : " AMPM";
    ShortTimePattern = Prefix + Hour + ":mm" + Suffix;
    LongTimePattern = Prefix + Hour + ":mm:ss" + Suffix;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings Settings;
    return Settings;
}

} // namespace vur
