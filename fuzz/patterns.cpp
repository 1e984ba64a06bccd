// Number and date-time patterns: any pattern, any value, any separators.
// Formatting may refuse a pattern (a vur::Exception) but never crash, hang
// or write a text far longer than the pattern asks for.
#include "FuzzInput.h"

#include "format/DateTimePattern.h"
#include "format/GeneralNumber.h"
#include "format/NumberPattern.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using namespace vur;
    fuzz::TFuzzInput In(Data, Size);
    TFormatSettings Settings;
    const std::uint8_t Separators = In.Byte();
    if (Separators & 1) Settings.ThousandSeparatorChar = static_cast<char>(In.Byte());
    if (Separators & 2) Settings.DecimalSeparatorChar = static_cast<char>(In.Byte());
    if (Separators & 4) Settings.DateSeparatorChar = static_cast<char>(In.Byte());
    if (Separators & 8) Settings.TimeSeparatorChar = static_cast<char>(In.Byte());
    if (Separators & 16) Settings.SetClockStyle(TClockStyle{In.Bool(), In.Bool(), In.Bool()});
    const double Value = In.Double();
    const std::string Pattern = In.Rest();

    fuzz::Refusable([&] {
        // Every placeholder writes a bounded number of characters: a digit
        // group, an exponent, a separator or a name.
        const std::string Text = FormatNumberText(Pattern, Value, Settings);
        if (Text.size() > 64 + 4 * Pattern.size()) std::abort();
    });
    fuzz::Refusable([&] {
        const std::string Text = FormatDateTimeText(Pattern, Value, Settings);
        if (Text.size() > 256 + 64 * Pattern.size()) std::abort();
    });
    if (GeneralNumberText(Value, Settings).size() > 32) std::abort();
    return 0;
}
