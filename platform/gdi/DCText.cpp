// Text of the device context. The font places and rasterises the glyphs; the
// DC fills the text cell with the background colour when the background mode
// is opaque, then lays each pixel's text colour (through the raster
// operation) over the destination by the glyph's coverage:
// out = (ink c + dst (255 - c) + 127) / 255 per channel. Inside a path the
// glyph outlines become figures instead.
#include "platform/gdi/DC.h"
#include "platform/gdi/PixelRun.h"

#include <algorithm>

namespace vur::gdi {

namespace {

class TextPainter : public CoverageSink {
public:
    TextPainter(Painter& P, ScanConverter& Converter, std::uint32_t Ink, std::uint32_t Back, bool Opaque)
        : FPainter(P), FConverter(Converter), FInk(Ink), FBack(Back), FOpaque(Opaque) {}

    void Cell(const POINT (&Corners)[4]) override {
        if (!FOpaque) return;
        FConverter.Clear();
        FConverter.AddFigure(Corners, 4);
        CellRows Rows{FPainter, FBack};
        FConverter.Fill(ALTERNATE, FPainter.Clip().Box, Rows);
    }

    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        const RECT& Box = FPainter.Clip().Box;
        if (Y < Box.top || Y >= Box.bottom) return;
        std::uint32_t* Row = FPainter.Target().Row(Y);
        const RasterOp& Rop = FPainter.Rop();
        for (const auto& S : FPainter.RowSpans(Y)) {
            const int A = std::max({S.X0, X0, Box.left});
            const int B =
                static_cast<int>(std::min<std::int64_t>({S.X1, std::int64_t{X0} + Count, Box.right}));
            for (int X = A; X < B; ++X) {
                const unsigned C = Coverage[X - X0];
                if (C == 0) continue;
                const std::uint32_t D = Row[X];
                const std::uint32_t Ink = FPainter.CopiesPen() ? FInk : Rop(FInk, D);
                if (C == 255) {
                    Row[X] = Ink & 0xFFFFFF;
                    continue;
                }
                Row[X] = CoverPixel(Ink, D, C);
            }
        }
    }

    RECT ClipBox() const override { return FPainter.Clip().Box; }

private:
    struct CellRows : RowSink {
        CellRows(Painter& P, std::uint32_t Back) : FPainter(P), FBack(Back) {}
        void Row(int Y, std::span<const gdi::Span> Spans) override {
            for (const auto& S : Spans) FPainter.SolidSpan(Y, S.X0, S.X1, FBack);
        }
        Painter& FPainter;
        std::uint32_t FBack;
    };
    Painter& FPainter;
    ScanConverter& FConverter;
    std::uint32_t FInk, FBack;
    bool FOpaque;
};

class PathOutline : public OutlineSink {
public:
    explicit PathOutline(Path& Target) : FTarget(Target) {}
    void MoveTo(double X, double Y) override {
        FTarget.MoveTo(PointF{X, Y});
        FLast = PointF{X, Y};
    }
    void LineTo(double X, double Y) override {
        FTarget.LineTo(FLast, PointF{X, Y});
        FLast = PointF{X, Y};
    }
    void CloseFigure() override { FTarget.CloseFigure(); }

private:
    Path& FTarget;
    PointF FLast;
};

} // namespace

bool DC::TextOut(int X, int Y, std::string_view Text) {
    const unsigned Align = FState.TextAlign;
    const bool UpdateCP = (Align & TA_UPDATECP) != 0;
    if (UpdateCP) {
        X = FState.Position.x;
        Y = FState.Position.y;
    }
    const unsigned Placement = Align & ~TA_UPDATECP;
    const Font& F = FState.CurFont;
    if (FRecording) {
        PathOutline Outline(FPath);
        F.TextOutline(Text, X, Y, Placement, FState.CharExtra, Outline);
    } else {
        Painter P(*FSurface, Clip(), FState.Rop2);
        TextPainter Sink(P, FConverter, PixelFromColor(FState.TextColor), PixelFromColor(FState.BkColor),
                         FState.BkMode == OPAQUE);
        F.RenderText(Text, X, Y, Placement, FState.CharExtra, Sink);
    }
    if (UpdateCP) {
        const int Width = F.TextExtent(Text, FState.CharExtra).cx;
        const unsigned Horizontal = Placement & TA_CENTER;
        if (Horizontal == TA_LEFT) FState.Position.x += Width;
        if (Horizontal == TA_RIGHT) FState.Position.x -= Width;
    }
    return true;
}

bool DC::GetTextExtentPoint32(std::string_view Text, SIZE* Size) const {
    if (!Size) return false;
    *Size = FState.CurFont.TextExtent(Text, FState.CharExtra);
    return true;
}

bool DC::GetTextMetrics(TEXTMETRIC* Metrics) const {
    if (!Metrics) return false;
    *Metrics = FState.CurFont.GetTextMetrics();
    return true;
}

} // namespace vur::gdi
