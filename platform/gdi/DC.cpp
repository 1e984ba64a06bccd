#include "platform/gdi/DC.h"

#include <algorithm>
#include <utility>

namespace vur::gdi {

DC::DC(Bitmap& Surface) : FSurface(&Surface) {}

Pen DC::SelectObject(const Pen& P) { return std::exchange(FState.CurPen, P); }
Brush DC::SelectObject(const Brush& B) { return std::exchange(FState.CurBrush, B); }
Font DC::SelectObject(const Font& F) { return std::exchange(FState.CurFont, F); }

COLORREF DC::SetTextColor(COLORREF Color) { return std::exchange(FState.TextColor, Color & 0xFFFFFF); }
COLORREF DC::SetBkColor(COLORREF Color) { return std::exchange(FState.BkColor, Color & 0xFFFFFF); }

int DC::SetBkMode(int Mode) {
    if (Mode != TRANSPARENT && Mode != OPAQUE) return 0;
    return std::exchange(FState.BkMode, Mode);
}

unsigned DC::SetTextAlign(unsigned Flags) { return std::exchange(FState.TextAlign, Flags); }

int DC::SetROP2(int Rop2) {
    if (Rop2 < R2_BLACK || Rop2 > R2_WHITE) return 0;
    return std::exchange(FState.Rop2, Rop2);
}

int DC::SetTextCharacterExtra(int Extra) { return std::exchange(FState.CharExtra, Extra); }

int DC::SetPolyFillMode(int Mode) {
    if (Mode != ALTERNATE && Mode != WINDING) return 0;
    return std::exchange(FState.PolyFillMode, Mode);
}

int DC::SetArcDirection(int Direction) {
    if (Direction != AD_COUNTERCLOCKWISE && Direction != AD_CLOCKWISE) return 0;
    return std::exchange(FState.ArcDirection, Direction);
}

bool DC::SetBrushOrgEx(int X, int Y, POINT* Previous) {
    if (Previous) *Previous = FState.BrushOrg;
    FState.BrushOrg = POINT{X, Y};
    return true;
}

bool DC::GetBrushOrgEx(POINT* Origin) const {
    if (Origin) *Origin = FState.BrushOrg;
    return true;
}

bool DC::SetMiterLimit(float Limit, float* Previous) {
    if (!(Limit >= 1)) return false;
    if (Previous) *Previous = FState.MiterLimit;
    FState.MiterLimit = Limit;
    return true;
}

bool DC::GetCurrentPositionEx(POINT* Position) const {
    if (Position) *Position = FState.Position;
    return true;
}

int DC::SaveDC() {
    FSaved.push_back(FState);
    return static_cast<int>(FSaved.size());
}

bool DC::RestoreDC(int Level) {
    const int Count = static_cast<int>(FSaved.size());
    const int Target = Level < 0 ? Count + 1 + Level : Level;
    if (Target < 1 || Target > Count) return false;
    FState = FSaved[Target - 1];
    FSaved.resize(Target - 1);
    ClipChanged();
    return true;
}

bool DC::LPtoDP(POINT*, int Count) const { return Count >= 0; }
bool DC::DPtoLP(POINT*, int Count) const { return Count >= 0; }

ClipArea DC::Clip() const {
    const int Width = FSurface->Width(), Height = FSurface->Height();
    if (Width != FClipWidth || Height != FClipHeight) {
        FClipBox = RECT{0, 0, Width, Height};
        FClipShaped = false;
        if (FState.Clip) {
            const RECT& B = FState.Clip->Box();
            if (FState.Clip->Empty())
                FClipBox = RECT{};
            else
                FClipBox = RECT{std::max(FClipBox.left, B.left), std::max(FClipBox.top, B.top),
                                std::min(FClipBox.right, B.right), std::min(FClipBox.bottom, B.bottom)};
            FClipShaped = !FState.Clip->Empty() && FState.Clip->Complexity() == COMPLEXREGION;
        }
        FClipWidth = Width;
        FClipHeight = Height;
    }
    return ClipArea{FClipBox, FClipShaped ? &*FState.Clip : nullptr};
}

FillSource DC::BrushSource(const Brush& B) const {
    FillSource S;
    S.OriginX = FState.BrushOrg.x;
    S.OriginY = FState.BrushOrg.y;
    S.Fore = PixelFromColor(B.GetColor());
    S.Back = PixelFromColor(FState.BkColor);
    S.Opaque = FState.BkMode == OPAQUE;
    if (B.GetStyle() == BS_HATCHED) {
        S.Kind = FillSource::Hatch;
        std::copy_n(HatchRows(B.GetHatch()), 8, S.Rows);
    } else if (B.GetStyle() == BS_PATTERN) {
        S.Kind = FillSource::Pattern;
        S.Image = B.GetPattern();
        S.TwoColour = S.Image && S.Image->GetMonochrome();
        S.Fore = PixelFromColor(FState.TextColor);
    }
    return S;
}

void DC::FillSpans(SpanList& Spans, const FillSource& Source, int Rop2) {
    Painter P(*FSurface, Clip(), Rop2);
    Spans.ForEachMerged([&](int Y, int X0, int X1) { P.FillSpan(Y, X0, X1, Source); });
    Spans.Clear();
}

namespace {
class PainterRows : public RowSink {
public:
    PainterRows(Painter& P, const FillSource& S) : FPainter(P), FSource(S) {}
    void Row(int Y, std::span<const Span> Spans) override {
        for (const Span& S : Spans) FPainter.FillSpan(Y, S.X0, S.X1, FSource);
    }

private:
    Painter& FPainter;
    const FillSource& FSource;
};
} // namespace

void DC::FillPolygons(ScanConverter& Converter, int FillMode, const FillSource& Source) {
    Painter P(*FSurface, Clip(), FState.Rop2);
    if (P.Clip().Empty()) return;
    PainterRows Rows(P, Source);
    Converter.Fill(FillMode, P.Clip().Box, Rows);
}

int DC::FillRect(const RECT& R, const Brush& B) {
    if (R.right <= R.left || R.bottom <= R.top || B.IsNull()) return 1;
    Painter P(*FSurface, Clip(), R2_COPYPEN);
    const FillSource Source = BrushSource(B);
    const RECT& Box = P.Clip().Box;
    const int Top = std::max(R.top, Box.top), Bottom = std::min(R.bottom, Box.bottom);
    const bool WholeRows = !P.Clip().Shape && R.left <= 0 && R.right >= FSurface->Width() && Box.left == 0 &&
                           Box.right == FSurface->Width() && Top < Bottom;
    if (Source.Kind == FillSource::Solid && WholeRows) {
        // Whole rows are one run of memory: a clear of the bitmap is one fill.
        FSurface->FillRows(Top, Bottom, Source.Fore & 0xFFFFFF);
        return 1;
    }
    if (Source.Kind == FillSource::Solid) {
        // Narrow blocks (a gradient's bands) cost one call, not one per row.
        P.SolidBlock(Top, Bottom, R.left, R.right, Source.Fore);
        return 1;
    }
    // A picture a pattern or an opaque hatch covers (a gradient panel) is
    // not copied out of the window's shared pixels first.
    if (WholeRows && Source.CoversEveryPixel() && Source.Image != FSurface)
        FSurface->WillOverwrite(Top, Bottom);
    for (int Y = Top; Y < Bottom; ++Y) P.FillSpan(Y, R.left, R.right, Source);
    return 1;
}

COLORREF DC::SetPixel(int X, int Y, COLORREF Color) {
    Painter P(*FSurface, Clip(), R2_COPYPEN);
    P.Plot(X, Y, PixelFromColor(Color & 0xFFFFFF));
    return Color & 0xFFFFFF;
}

COLORREF DC::GetPixel(int X, int Y) const {
    const ClipArea Area = Clip();
    if (X < Area.Box.left || X >= Area.Box.right || Y < Area.Box.top || Y >= Area.Box.bottom)
        return CLR_INVALID;
    if (Area.Shape && !Area.Shape->Contains(X, Y)) return CLR_INVALID;
    return FSurface->GetPixel(X, Y);
}

// Clipping.

int DC::SelectClipRgn(const Region* Rgn) {
    ClipChanged();
    if (!Rgn) {
        FState.Clip.reset();
        return SIMPLEREGION;
    }
    FState.Clip = *Rgn;
    return Rgn->Complexity();
}

int DC::CombineClip(const Region& Rgn, int Mode) {
    // Without a clip the whole surface is the starting area.
    const Region Whole = FState.Clip ? Region() : Region(0, 0, FSurface->Width(), FSurface->Height());
    const Region& Current = FState.Clip ? *FState.Clip : Whole;
    Region Result;
    if (CombineRgn(Result, Current, Rgn, Mode) == ERROR) return ERROR;
    FState.Clip = std::move(Result);
    ClipChanged();
    return FState.Clip->Complexity();
}

int DC::ExtSelectClipRgn(const Region* Rgn, int Mode) {
    if (Mode == RGN_COPY) return SelectClipRgn(Rgn);
    if (!Rgn) return ERROR;
    return CombineClip(*Rgn, Mode);
}

int DC::GetClipRgn(Region& Rgn) const {
    if (!FState.Clip) return 0;
    Rgn = *FState.Clip;
    return 1;
}

int DC::GetClipBox(RECT* Box) const {
    const ClipArea Area = Clip();
    if (Area.Empty()) {
        if (Box) *Box = RECT{};
        return NULLREGION;
    }
    if (Box) *Box = Area.Box;
    return Area.Shape ? COMPLEXREGION : SIMPLEREGION;
}

int DC::IntersectClipRect(int Left, int Top, int Right, int Bottom) {
    return CombineClip(Region(Left, Top, Right, Bottom), RGN_AND);
}

int DC::ExcludeClipRect(int Left, int Top, int Right, int Bottom) {
    return CombineClip(Region(Left, Top, Right, Bottom), RGN_DIFF);
}

} // namespace vur::gdi
