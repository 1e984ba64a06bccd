// Texts of several lines, as axis labels and the panel's measures see them:
// the lines end at VurLineSeparator, and a separator at the very end starts
// no further line.
#pragma once

#include <string>

namespace vur {

class TVurCanvas;

inline constexpr char VurLineSeparator = '\r';

struct TMultiLineSize {
    // The widest line.
    int Width = 0;
    int Lines = 0;
};

// Measured in the canvas' current font; an empty text has no lines.
TMultiLineSize MultiLineTextSize(TVurCanvas& Canvas, const std::string& Text);

// The lines alone, for callers that need no width.
int MultiLineTextLines(const std::string& Text);

} // namespace vur
