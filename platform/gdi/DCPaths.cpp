// Paths of the device context: figures recorded between BeginPath and
// EndPath are stroked with the pen (rounded to pixels for one-pixel pens),
// filled with the polygon fill mode, widened into the outline the pen would
// cover, or turned into a clip region. Using a path consumes it.
#include "platform/gdi/DC.h"

#include <cmath>

namespace vur::gdi {

namespace {

constexpr double MaxWidenedDashes = 1 << 16;

// The length of every figure, closing segments included.
double OutlineLength(const Path& Outline) {
    double Length = 0;
    for (const Path::Figure& F : Outline.Figures()) {
        const std::size_t N = F.Points.size();
        for (std::size_t I = 0; I + 1 < N; ++I)
            Length += std::hypot(F.Points[I + 1].X - F.Points[I].X, F.Points[I + 1].Y - F.Points[I].Y);
        if (F.Closed && N > 1)
            Length += std::hypot(F.Points[0].X - F.Points[N - 1].X, F.Points[0].Y - F.Points[N - 1].Y);
    }
    return Length;
}

// Pieces and discs of a stroke as closed figures of a new path.
class WidenCollector : public StrokeSink {
public:
    WidenCollector(Path& Target, double Width) : FTarget(Target), FWidth(Width) {}
    void Piece(std::span<const PointF> Polygon) override { FTarget.AddClosed(Polygon); }
    void Disc(PointF Centre) override {
        DiscPolygon(Centre, FWidth, FDisc);
        FTarget.AddClosed(FDisc);
    }

private:
    Path& FTarget;
    double FWidth;
    std::vector<PointF> FDisc;
};

class RegionRows : public RowSink {
public:
    explicit RegionRows(RegionBuilder& B) : FBuilder(B) {}
    void Row(int Y, std::span<const Span> Spans) override { FBuilder.AddRows(Y, Y + 1, Spans); }

private:
    RegionBuilder& FBuilder;
};

} // namespace

bool DC::BeginPath() {
    FPath.Clear();
    FRecording = true;
    return true;
}

bool DC::EndPath() {
    if (!FRecording) return false;
    FRecording = false;
    return true;
}

bool DC::AbortPath() {
    FPath.Clear();
    FRecording = false;
    return true;
}

bool DC::CloseFigure() {
    if (!FRecording) return false;
    FPath.CloseFigure();
    return true;
}

void DC::FillPathFigures() {
    if (FState.CurBrush.IsNull()) return;
    FConverter.Clear();
    for (const Path::Figure& F : FPath.Figures()) FConverter.AddFigure(F.Points);
    FillPolygons(FConverter, FState.PolyFillMode, BrushSource(FState.CurBrush));
}

void DC::StrokePathFigures() {
    for (const Path::Figure& F : FPath.Figures()) StrokeFigure(F.Points, F.Closed);
}

bool DC::StrokePath() {
    if (FRecording || FPath.Empty()) return false;
    StrokePathFigures();
    FPath.Clear();
    return true;
}

bool DC::FillPath() {
    if (FRecording || FPath.Empty()) return false;
    FillPathFigures();
    FPath.Clear();
    return true;
}

bool DC::StrokeAndFillPath() {
    if (FRecording || FPath.Empty()) return false;
    FillPathFigures();
    StrokePathFigures();
    FPath.Clear();
    return true;
}

bool DC::WidenPath() {
    const Pen& CurPen = FState.CurPen;
    if (FRecording || CurPen.IsNull() || CurPen.IsCosmeticLine()) return false;
    const StrokeStyle Style = StrokeStyle::FromPen(CurPen, FState.MiterLimit);
    // A dashed pen gives a figure per dash: an outline so long that this
    // would be more than 65536 figures fails instead of filling memory.
    if (Style.DashesAlong(OutlineLength(FPath)) > MaxWidenedDashes) return false;
    Path Widened;
    WidenCollector Collector(Widened, CurPen.GetWidth());
    Stroker Widener;
    for (const Path::Figure& F : FPath.Figures()) Widener.Stroke(F.Points, F.Closed, Style, Collector);
    FPath = std::move(Widened);
    return true;
}

Region DC::PathRegion() const {
    ScanConverter Converter;
    for (const Path::Figure& F : FPath.Figures()) Converter.AddFigure(F.Points);
    RegionBuilder Builder;
    RegionRows Rows(Builder);
    Converter.Fill(FState.PolyFillMode,
                   RECT{-RegionRasterLimit, -RegionRasterLimit, RegionRasterLimit, RegionRasterLimit}, Rows);
    return Builder.Finish();
}

bool DC::SelectClipPath(int Mode) {
    if (FRecording || Mode < RGN_AND || Mode > RGN_COPY) return false;
    const Region Rgn = PathRegion();
    FPath.Clear();
    return ExtSelectClipRgn(&Rgn, Mode) != ERROR;
}

} // namespace vur::gdi
