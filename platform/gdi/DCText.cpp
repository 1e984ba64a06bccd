// Text of the device context. The font places and rasterises the glyphs; the
// DC fills the text cell with the background colour when the background mode
// is opaque, then lays each pixel's text colour (through the raster
// operation) over the destination by the glyph's coverage:
// out = (ink c + dst (255 - c) + 127) / 255 per channel. Inside a path the
// glyph outlines become figures instead. Short upright texts over a plain
// background are copied from premixed cells (TextCellCache).
#include "platform/gdi/DC.h"
#include "platform/gdi/PixelRun.h"

#include <algorithm>

namespace vur::gdi {

namespace {

class TextPainter : public CoverageSink {
public:
    TextPainter(Painter& P, ScanConverter& Converter, std::uint32_t Ink, std::uint32_t Back, bool Opaque)
        : FPainter(P), FConverter(Converter), FTarget(P.Target()), FRop(P.Rop()), FBox(P.Clip().Box),
          FStride(static_cast<std::size_t>(FTarget.Stride())), FInk(Ink), FBack(Back), FOpaque(Opaque),
          FCopy(P.CopiesPen()), FShaped(P.Clip().Shape != nullptr) {}

    bool WantsCell() const override { return FOpaque; }

    void Cell(const POINT (&Corners)[4]) override {
        if (!FOpaque) return;
        FConverter.Clear();
        FConverter.AddFigure(Corners, 4);
        CellRows Rows{FPainter, FBack};
        FConverter.Fill(ALTERNATE, FBox, Rows);
    }

    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        Block(FBox, X0, Y, Count, 1, Coverage);
    }

    // What does not change between glyphs (the box, the pen decision, the
    // target) is taken once per call in the constructor.
    void Block(const RECT&, long long Left, long long Top, int Width, int Height,
               const std::uint8_t* Coverage) override {
        // Cut to the box while still wide: a block far outside it must not
        // land inside through the conversion to int.
        const long long L = std::max<long long>(Left, FBox.left),
                        R = std::min<long long>(Left + Width, FBox.right);
        const long long T = std::max<long long>(Top, FBox.top),
                        B = std::min<long long>(Top + Height, FBox.bottom);
        if (L >= R || T >= B) return;
        const int X0 = static_cast<int>(L), X1 = static_cast<int>(R), Y0 = static_cast<int>(T),
                  Y1 = static_cast<int>(B);
        const auto Pitch = static_cast<std::size_t>(Width);
        const std::size_t Start =
            static_cast<std::size_t>(Y0 - Top) * Pitch + static_cast<std::size_t>(X0 - Left);
        const auto Cover = [&](std::uint32_t* To, std::size_t At, std::size_t Count, std::size_t Rows) {
            const CoverageRows Block{Coverage + At, Pitch, Count, Rows};
            if (FCopy)
                CoverPixels(To, FStride, Block, FInk);
            else
                CoverPixels(To, FStride, Block, FInk, FRop);
        };
        if (!FShaped) {
            // A clip that is only its box: the whole block in one call.
            Cover(FTarget.Row(Y0) + X0, Start, static_cast<std::size_t>(X1 - X0),
                  static_cast<std::size_t>(Y1 - Y0));
            return;
        }
        for (int Y = Y0; Y < Y1; ++Y) {
            std::uint32_t* Row = FTarget.Row(Y);
            const auto Down = static_cast<std::size_t>(Y - Y0);
            for (const auto& S : FPainter.RowSpans(Y)) {
                const int A = std::max(S.X0, X0), E = std::min(S.X1, X1);
                if (A >= E) continue;
                Cover(Row + A, Start + Down * Pitch + static_cast<std::size_t>(A - X0),
                      static_cast<std::size_t>(E - A), 1);
            }
        }
    }

    RECT ClipBox() const override { return FBox; }

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
    Bitmap& FTarget;
    const RasterOp& FRop;
    const RECT FBox;
    const std::size_t FStride;
    const std::uint32_t FInk, FBack;
    const bool FOpaque, FCopy, FShaped;
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
        TextRun Run;
        Run.Text = Text;
        Run.X = X;
        Run.Y = Y;
        Run.AlignFlags = Placement;
        Run.ExtraSpacing = FState.CharExtra;
        Run.Ink = PixelFromColor(FState.TextColor);
        Run.Opaque = FState.BkMode == OPAQUE;
        Run.BoxPixel = PixelFromColor(FState.BkColor);
        // A premixed copy needs the plain store and a clip that is its box.
        if (!P.CopiesPen() || P.Clip().Shape || !FTextCells.Draw(P.Target(), P.Clip().Box, F, Run)) {
            TextPainter Sink(P, FConverter, Run.Ink, Run.BoxPixel, Run.Opaque);
            F.RenderText(Text, X, Y, Placement, FState.CharExtra, Sink);
        }
    }
    if (UpdateCP) {
        const long long Width = F.TextExtent(Text, FState.CharExtra).cx;
        const unsigned Horizontal = Placement & TA_CENTER;
        if (Horizontal == TA_LEFT) FState.Position.x = MovedEdge(FState.Position.x, Width);
        if (Horizontal == TA_RIGHT) FState.Position.x = MovedEdge(FState.Position.x, -Width);
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
