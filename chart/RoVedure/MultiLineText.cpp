#include "chart/RoVedure/MultiLineText.h"

#include "chart/RoVedure/Canvas.h"

#include <algorithm>

namespace vur {

namespace {

// Visit(Start, End) for each line's character range.
template <class F>
void ForEachLine(const std::string& Text, F&& Visit) {
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = Text.find(VurLineSeparator, Start);
        if (End == std::string::npos) End = Text.size();
        Visit(Start, End);
        Start = End + 1;
    }
}

} // namespace

TMultiLineSize MultiLineTextSize(TVurCanvas& Canvas, const std::string& Text) {
    TMultiLineSize Result;
    ForEachLine(Text, [&](std::size_t Start, std::size_t End) {
        // A one-line text (the usual label) is measured without a copy.
        const int Width = Start == 0 && End == Text.size()
                              ? Canvas.TextWidth(Text)
                              : Canvas.TextWidth(Text.substr(Start, End - Start));
        Result.Width = std::max(Result.Width, Width);
        ++Result.Lines;
    });
    return Result;
}

int MultiLineTextLines(const std::string& Text) {
    int Lines = 0;
    ForEachLine(Text, [&](std::size_t, std::size_t) { ++Lines; });
    return Lines;
}

} // namespace vur
