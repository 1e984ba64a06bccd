#include "chart/RoVedure/MultiLineText.h"

#include "chart/RoVedure/Canvas.h"

#include <algorithm>

namespace vur {

TMultiLineSize MultiLineTextSize(TVurCanvas& Canvas, const std::string& Text) {
    TMultiLineSize Result;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = Text.find(VurLineSeparator, Start);
        if (End == std::string::npos) End = Text.size();
        // A one-line text (the usual label) is measured without a copy.
        const int Width = Start == 0 && End == Text.size()
                              ? Canvas.TextWidth(Text)
                              : Canvas.TextWidth(Text.substr(Start, End - Start));
        Result.Width = std::max(Result.Width, Width);
        ++Result.Lines;
        Start = End + 1;
    }
    return Result;
}

} // namespace vur
