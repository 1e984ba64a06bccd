// Scan conversion of polygons. Vertices are held in 28.4 fixed point, so
// integer vertices are exact and fractional ones (paths, wide strokes, glyph
// outlines) are resolved to 1/16 pixel. Pixel (x, y) is inside when the point
// (x, y) is inside the polygon; a point on a left or top edge is inside, on a
// right or bottom edge outside. Each figure closes itself. Crossings are exact
// 64-bit integer arithmetic, with vertices clamped to +-2^26 pixels.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/gdi/Types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vur::gdi {

struct PointF {
    double X = 0;
    double Y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Receives one row of spans at a time, rows strictly increasing.
class RowSink {
public:
    virtual void Row(int Y, std::span<const Span> Spans) = 0;

protected:
    ~RowSink() = default;
};

class ScanConverter {
public:
    // Starts a new set of figures.
    void Clear();
    void AddFigure(const POINT* Points, int Count);
    void AddFigure(std::span<const PointF> Points);

    // Rows inside Clip only, spans cut to Clip. FillMode is ALTERNATE or WINDING.
    void Fill(int FillMode, const RECT& Clip, RowSink& Sink);

private:
    struct Edge {
        std::int64_t X0, Y0; // upper end, 28.4
        std::int64_t Dx, Dy; // Dy > 0
        int Dir;             // +1 when the figure runs downwards here
    };
    // An edge crossing the current sample line at X0 + Q + R / Dy (28.4),
    // 0 <= R < Dy, stepped one row down by adding StepQ + StepR / Dy; it
    // leaves the active list at the sample line End.
    struct Active {
        std::int64_t Q, R, StepQ, StepR, Dy, X0, End;
        std::int64_t Column; // first pixel column at or right of the crossing
        int Dir;
    };
    void AddEdge(std::int64_t X0, std::int64_t Y0, std::int64_t X1, std::int64_t Y1);
    template <class P, class F>
    void AddPoints(const P* Points, int Count, F ToFixed);

    std::vector<Edge> FEdges;
    std::vector<Active> FActive;
    std::vector<Span> FRow;
};

} // namespace vur::gdi
