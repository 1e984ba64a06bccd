#include "platform/gdi/Font.h"

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/FontInstance.h"
#include "platform/gdi/GlyphRaster.h"
#include "platform/gdi/TextLayout.h"
#include "platform/numeric/Rounding.h"

#include <climits>

namespace vur::gdi {

using detail::FontEngine;
using detail::FontInstance;
using detail::Glyph;
using detail::TextBar;
using detail::TextPlacement;

namespace {

// A bar under or through the text as a one-contour outline placed relative to
// the pixel corner (OriginX, OriginY).
struct BarOutline {
    FT_Vector Points[4];
    char Tags[4] = {FT_CURVE_TAG_ON, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON};
    short Contours[1] = {3};

    BarOutline(const TextPlacement& P, const TextBar& Bar, long long OriginX, long long OriginY) {
        const double Along[4] = {0.0, static_cast<double>(P.Width), static_cast<double>(P.Width), 0.0};
        const double Down[4] = {static_cast<double>(Bar.Top), static_cast<double>(Bar.Top),
                                static_cast<double>(Bar.Top + Bar.Height),
                                static_cast<double>(Bar.Top + Bar.Height)};
        for (int I = 0; I < 4; ++I) {
            const double Dx = P.PointX(Along[I], Down[I]) - static_cast<double>(OriginX);
            const double Dy = P.PointY(Along[I], Down[I]) - static_cast<double>(OriginY);
            Points[I] =
                FT_Vector{static_cast<FT_Pos>(Round64(Dx * 64.0)), static_cast<FT_Pos>(Round64(-Dy * 64.0))};
        }
    }
    FT_Outline View() {
        FT_Outline O{};
        O.n_contours = 1;
        O.n_points = 4;
        O.points = Points;
        O.tags = Tags;
        O.contours = Contours;
        return O;
    }
};

void RenderBar(const FontInstance& Font, const TextPlacement& P, const TextBar& Bar, const RECT& Clip,
               CoverageSink& Sink) {
    if (P.Width == 0 || !Sink.TakesOutlines()) return;
    const long long OriginX = Round64(P.X);
    const long long OriginY = Round64(P.Y);
    BarOutline Outline(P, Bar, OriginX, OriginY);
    FontEngine& Engine = FontEngine::Get();
    detail::RasterizeToSink(Engine.Library(), Engine.Mutex(), Outline.View(), OriginX, OriginY, Font.Mono(),
                            Clip, Sink);
}

void OutlineBar(const TextPlacement& P, const TextBar& Bar, OutlineSink& Sink) {
    if (P.Width == 0) return;
    const double W = static_cast<double>(P.Width);
    const double Top = Bar.Top, Bottom = Bar.Top + Bar.Height;
    Sink.MoveTo(P.PointX(0.0, Top), P.PointY(0.0, Top));
    Sink.LineTo(P.PointX(W, Top), P.PointY(W, Top));
    Sink.LineTo(P.PointX(W, Bottom), P.PointY(W, Bottom));
    Sink.LineTo(P.PointX(0.0, Bottom), P.PointY(0.0, Bottom));
    Sink.CloseFigure();
}

} // namespace

RECT CoverageSink::ClipBox() const { return RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}; }

void CoverageSink::Block(const RECT& Clip, long long Left, long long Top, int Width, int Height,
                         const std::uint8_t* Coverage) {
    detail::EmitCoverage(*this, Clip, Left, Top, Width, Height, Coverage);
}

void CoverageSink::GlyphBlock(const RECT& Clip, long long Left, long long Top, int Width, int Height,
                              const std::uint8_t* Coverage) {
    Block(Clip, Left, Top, Width, Height, Coverage);
}

Font::Font() : Font(LOGFONT{}) {}

Font::Font(const LOGFONT& LogFont) : FInstance(FontEngine::Get().Acquire(LogFont)) {}

const LOGFONT& Font::GetLogFont() const { return FInstance->LogFont(); }

const std::string& Font::GetTextFace() const { return FInstance->Family(); }

const std::string& Font::GetFontFile() const { return FInstance->File(); }

TEXTMETRIC Font::GetTextMetrics() const { return FInstance->Metrics(); }

int Font::CharAdvance(unsigned char Char) const {
    const char Text[1] = {static_cast<char>(Char)};
    FInstance->Prepare(std::string_view(Text, 1));
    return FInstance->GlyphOf(Char).Advance;
}

SIZE Font::TextExtent(std::string_view Text, int ExtraSpacing) const {
    return SIZE{ClampToInt(FInstance->Prepare(Text, ExtraSpacing)), FInstance->Metrics().tmHeight};
}

void Font::RenderText(std::string_view Text, int X, int Y, unsigned AlignFlags, int ExtraSpacing,
                      CoverageSink& Sink) const {
    const FontInstance& F = *FInstance;
    const TextPlacement P = detail::PlaceText(F, FInstance->Prepare(Text, ExtraSpacing), X, Y, AlignFlags);
    if (Sink.WantsCell()) {
        POINT Corners[4];
        detail::CellCorners(P, Corners);
        Sink.Cell(Corners);
    }

    const RECT Clip = Sink.ClipBox();
    // Unturned text starts on a whole pixel, so its glyph origins are whole
    // too and need no rounding.
    const bool Straight = !P.Direction.Rotated;
    const long long StartX = Straight ? Trunc64(P.X) : 0;
    const long long StartY = Straight ? Trunc64(P.Y) : 0;
    long long Pen = 0;
    for (const char C : Text) {
        const Glyph& G = F.GlyphOf(static_cast<unsigned char>(C));
        const double Along = static_cast<double>(Pen);
        const long long OriginX = Straight ? StartX + Pen : Round64(P.PointX(Along, 0.0));
        const long long OriginY = Straight ? StartY : Round64(P.PointY(Along, 0.0));
        if (G.HasBitmap) {
            if (G.Width > 0)
                Sink.GlyphBlock(Clip, OriginX + G.Left, OriginY + G.Top, G.Width, G.Rows, G.Coverage.data());
        } else if (Sink.TakesOutlines()) {
            FontEngine& Engine = FontEngine::Get();
            detail::RasterizeToSink(Engine.Library(), Engine.Mutex(), G.Outline.View(), OriginX, OriginY,
                                    F.Mono(), Clip, Sink);
        }
        Pen += static_cast<long long>(G.Advance) + ExtraSpacing;
    }
    if (F.LogFont().Underline) RenderBar(F, P, F.Underline(), Clip, Sink);
    if (F.LogFont().StrikeOut) RenderBar(F, P, F.StrikeOut(), Clip, Sink);
}

bool Font::Upright() const { return !FInstance->Direction().Rotated; }

TextOrigin Font::UprightStart(long long Width, int X, int Y, unsigned AlignFlags) const {
    const TextPlacement P = detail::PlaceText(*FInstance, Width, X, Y, AlignFlags);
    return TextOrigin{Trunc64(P.X), Trunc64(P.Y)};
}

void Font::TextOutline(std::string_view Text, int X, int Y, unsigned AlignFlags, int ExtraSpacing,
                       OutlineSink& Sink) const {
    const FontInstance& F = *FInstance;
    const TextPlacement P = detail::PlaceText(F, FInstance->Prepare(Text, ExtraSpacing), X, Y, AlignFlags);
    long long Pen = 0;
    for (const char C : Text) {
        const Glyph& G = F.GlyphOf(static_cast<unsigned char>(C));
        const double Along = static_cast<double>(Pen);
        G.Outline.Flatten(P.PointX(Along, 0.0), P.PointY(Along, 0.0), Sink);
        Pen += static_cast<long long>(G.Advance) + ExtraSpacing;
    }
    if (F.LogFont().Underline) OutlineBar(P, F.Underline(), Sink);
    if (F.LogFont().StrikeOut) OutlineBar(P, F.StrikeOut(), Sink);
}

} // namespace vur::gdi
