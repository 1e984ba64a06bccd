// Text with a small mark-up language, drawn and measured through a chart
// canvas: bold, italic, underline and strike-out; FONT with NAME, FAMILY,
// SIZE, COLOR and WEIGHT; BIG, SMALL, SUB, SUPER, H1 to H6, PRE, CENTER; line
// breaks (BR, P, CR LF), horizontal rules (HR) and pictures (IMG); the
// entities &lt; &gt; &amp; &quot;. Tags are not case-sensitive.
//
// Layout: (X, Y) is the reference point of the whole block as the canvas's
// text alignment describes it (left, right or centre; top or bottom). Lines
// stack downwards, each as high as its tallest piece, with the pieces of a
// line sharing one baseline. CENTER centres its lines within the block.
#pragma once

#include "framework/Exceptions.h"
#include "framework/Types.h"

#include <string>

namespace vur {

class TVurCanvas;

class HtmlParserException : public Exception {
public:
    using Exception::Exception;
};

void HtmlTextOut(TVurCanvas& Canvas, int X, int Y, const std::string& Text);
// Width (X) and height (Y) of the block.
TPoint HtmlTextExtent(TVurCanvas& Canvas, const std::string& Text);

} // namespace vur
