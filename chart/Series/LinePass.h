// One run of the drawing loop over a line series' visible points: the shadow,
// the outline or the line itself. It holds what stays fixed for the run and
// where the line has got to; every step of the drawing takes it along, so
// nothing of a paint is kept in the series.
#pragma once

#include "chart/DaZezava/AxisMapping.h"
#include "chart/Series/ColumnRun.h"
#include "framework/Types.h"

#include <cstdint>

namespace vur {

class TCanvas3D;
class TChartPen;
class TPen;
class TSeriesPoints;

// Where the line has got to: the pixel and colour of the point drawn last
// (clNone: there is none, the next point starts afresh).
struct TLineProgress {
    int PreviousX = 0;
    int PreviousY = 0;
    TColor PreviousColor = clNone;
};

// The canvas pen of the last 2D segment: which canvas pen took which line
// pen in which colour, by their change counts. While it stays so, the next
// segment needs no pen transfer.
struct TPreparedPen {
    const TPen* CanvasPen = nullptr;
    std::uint32_t CanvasPenVersion = 0;
    const TChartPen* LinePen = nullptr;
    std::uint32_t LinePenVersion = 0;
    TColor Color = clNone;
    bool operator==(const TPreparedPen&) const = default;
};

struct TLinePass {
    TCanvas3D* Canvas = nullptr;
    const TSeriesPoints* Points = nullptr;
    // Every point is in the pass colour: the source need not be asked.
    bool Uniform = false;
    // The X form of the horizontal axis and the Y form of the vertical one,
    // moved by ShiftX and ShiftY in the shadow pass.
    TPixelMapping X;
    TPixelMapping Y;
    int ShiftX = 0;
    // The line pen, or in the outline pass the outline's wider copy.
    const TChartPen* Pen = nullptr;
    // The series colour of the pass: the shadow's and the outline's take its place.
    TColor Colour = clNone;
    bool Markers = false;
    // Segments set pixels: a flat line with a hidden pen draws nothing.
    bool LinesDrawn = false;
    bool Is3D = false;
    bool Forward = true;
    int FirstDisplayed = -1;
    // Slope beyond which a 3D piece is darker.
    double Dark3DRatio = 1;
    // Runs of points in one pixel column go to the column rule at once.
    bool MergeColumns = false;
    TLineProgress Line;
    TPreparedPen Prepared;
    // The prepared pen sets exactly the pixels of a one-pixel line.
    bool ThinPen = false;
    TColumnRun Column;
};

} // namespace vur
