// A format pattern kept by whoever formats many values with it (an axis
// writing its labels): parsed on first use and again only when the pattern
// text or a setting the parsed pattern reads has changed since.
#pragma once

#include "format/FormatSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace vur {

// TPattern: TNumberPattern or TDateTimePattern.
template <class TPattern>
class TKeptPattern {
public:
    // Text parsed under Settings. A pattern that fails to parse throws as
    // its constructor does, and nothing is kept.
    const TPattern& Get(std::string_view Text, const TFormatSettings& Settings = FormatSettings()) {
        if (!FParsed || FText != Text || !FParsed->ReadsSameAs(Settings)) {
            FParsed.emplace(Text, Settings);
            FText = Text;
        }
        return *FParsed;
    }

private:
    std::string FText;
    std::optional<TPattern> FParsed;
};

} // namespace vur
