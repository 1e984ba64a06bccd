// Wide and geometric pens: a stroke is the union of simple pieces, each a
// convex polygon turned to the same orientation so that a non-zero fill of all
// of them is their union. A segment is a rectangle of the pen's width centred
// on it (a horizontal one of width w covers rows y - w/2 .. y - w/2 + w - 1);
// flat caps end at the end points, square caps reach w/2 further, round caps
// and round joins are discs of w x w pixels; a mitre join is used while its
// length is at most the mitre limit times w, otherwise a bevel. Dashes are
// measured along the path and carry over its corners; each dash gets caps.
#pragma once

#include "platform/gdi/Pen.h"
#include "platform/gdi/ScanConvert.h"

#include <span>
#include <vector>

namespace vur::gdi {

class StrokeSink {
public:
    virtual void Piece(std::span<const PointF> Polygon) = 0;
    // A round cap or join centred at the point.
    virtual void Disc(PointF Centre) = 0;

protected:
    ~StrokeSink() = default;
};

struct StrokeStyle {
    double Width = 1;
    unsigned EndCap = PS_ENDCAP_ROUND;
    unsigned Join = PS_JOIN_ROUND;
    double MiterLimit = 10;
    std::span<const double> Dashes; // empty: solid

    // A pattern with some positive length; otherwise the stroke is solid.
    bool Dashed() const;
    // The length of one round of the pattern (negative entries count as 0).
    double Period() const;
    // How many dashes an outline Length long is cut into, at most; 1 when
    // the stroke is solid.
    double DashesAlong(double Length) const;
    // Dashes refers to the pen's list, so the pen must outlive the style.
    static StrokeStyle FromPen(const Pen& P, double MiterLimit);
};

class Stroker {
public:
    // Pieces wholly outside the box are dropped and long segments cut to it,
    // so far-away coordinates cost nothing and stay exact where it matters.
    void SetCullBox(const RECT& Box) { FCull = Box; }
    // One figure; Closed joins the last point back to the first.
    void Stroke(std::span<const PointF> Points, bool Closed, const StrokeStyle& Style, StrokeSink& Sink);

private:
    void Solid(std::span<const PointF> Points, bool Closed, const StrokeStyle& Style, StrokeSink& Sink);
    void Dashed(std::span<const PointF> Points, bool Closed, const StrokeStyle& Style, StrokeSink& Sink);
    void Emit(StrokeSink& Sink, std::initializer_list<PointF> Polygon);
    bool Visible(PointF P, double Margin) const;
    RECT FCull{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28};
    std::vector<PointF> FPoints;
    std::vector<PointF> FDash;
    std::vector<PointF> FPiece;
};

// The disc of a round cap or join as a polygon, for outlines that must be
// polygons (widened paths).
void DiscPolygon(PointF Centre, double Width, std::vector<PointF>& Out);

} // namespace vur::gdi
