// Bit-block transfers. A ternary raster operation's middle byte is its truth
// table over (pattern, source, destination) bits, evaluated bitwise on the 24
// colour bits. Scaling picks, for every destination pixel, the source pixel
// under its centre; opposite signs of the two widths (or heights) mirror.
// Constant-alpha blending mixes each channel as
// (src a + dst (255 - a) + 127) / 255.
#include "platform/gdi/DC.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <cstdlib>

namespace vur::gdi {

namespace {

std::uint32_t Ternary(unsigned Code, std::uint32_t P, std::uint32_t S, std::uint32_t D) {
    std::uint32_t R = 0;
    for (unsigned I = 0; I < 8; ++I)
        if (Code >> I & 1u) R |= (I & 4 ? P : ~P) & (I & 2 ? S : ~S) & (I & 1 ? D : ~D);
    return R & 0xFFFFFF;
}

bool UsesSource(unsigned Code) { return ((Code >> 2) & 0x33u) != (Code & 0x33u); }

std::uint32_t BrushPixel(const FillSource& Source, int X, int Y) {
    switch (Source.Kind) {
    case FillSource::Hatch: {
        const unsigned Bits = Source.Rows[static_cast<unsigned>(Y - Source.OriginY) & 7u];
        return (Bits << (static_cast<unsigned>(X - Source.OriginX) & 7u)) & 0x80u ? Source.Fore : Source.Back;
    }
    case FillSource::Pattern: {
        const Bitmap& Image = *Source.Image;
        const int W = Image.Width(), H = Image.Height();
        const std::uint32_t P =
            Image.Row(((Y - Source.OriginY) % H + H) % H)[((X - Source.OriginX) % W + W) % W];
        return Source.TwoColour ? ((P & 0xFFFFFF) ? Source.Back : Source.Fore) : P;
    }
    default:
        return Source.Fore;
    }
}

// Source index of destination step I of Count over a source of SrcCount.
int SourceStep(std::int64_t I, std::int64_t Count, std::int64_t SrcCount, bool Mirror) {
    const std::int64_t J = (2 * I + 1) * SrcCount / (2 * Count);
    return static_cast<int>(Mirror ? SrcCount - 1 - J : J);
}

// An unscaled copy: destination (X, Y) takes source (X + OffX, Y + OffY),
// whole runs at a time. Within one bitmap (simple clip only) rows moving
// down go bottom-up so that each is read before it is overwritten.
void CopyUnscaled(Painter& P, const Bitmap& Source, std::int64_t DLeft, std::int64_t DTop, std::int64_t W,
                  std::int64_t H, std::int64_t OffX, std::int64_t OffY) {
    Bitmap& Target = P.Target();
    const RECT& Box = P.Clip().Box;
    const std::int64_t First = std::max<std::int64_t>({DTop, Box.top, -OffY});
    const std::int64_t End = std::min<std::int64_t>({DTop + H, Box.bottom, Source.Height() - OffY});
    const std::int64_t Left = std::max<std::int64_t>({DLeft, Box.left, -OffX});
    const std::int64_t Right = std::min<std::int64_t>({DLeft + W, Box.right, Source.Width() - OffX});
    if (First >= End || Left >= Right) return;
    const bool BottomUp = &Source == &Target && OffY < 0;
    for (std::int64_t K = 0; K < End - First; ++K) {
        const int Row = static_cast<int>(BottomUp ? End - 1 - K : First + K);
        const std::uint32_t* From = Source.Row(static_cast<int>(Row + OffY));
        std::uint32_t* To = Target.Row(Row);
        for (const Span& S : P.RowSpans(Row)) {
            const std::int64_t A = std::max<std::int64_t>(S.X0, Left),
                               B = std::min<std::int64_t>(S.X1, Right);
            if (A < B) CopyPixels(To + A, From + A + OffX, static_cast<std::size_t>(B - A));
        }
    }
}

// Whether an unscaled copy replaces every pixel of Target by the pixel at the
// same place in an equally sized Source with no top bits to clear: Target can
// then share Source's pixels instead.
bool CoversWhole(const ClipArea& Clip, const Bitmap& Target, const Bitmap& Source, std::int64_t DLeft,
                 std::int64_t DTop, std::int64_t W, std::int64_t H, std::int64_t OffX, std::int64_t OffY) {
    const RECT& Box = Clip.Box;
    return &Source != &Target && OffX == 0 && OffY == 0 && !Clip.Shape && !Source.MayHoldAlpha() &&
           Source.Width() == Target.Width() && Source.Height() == Target.Height() && Box.left == 0 &&
           Box.top == 0 && Box.right == Target.Width() && Box.bottom == Target.Height() && DLeft <= 0 &&
           DTop <= 0 && DLeft + W >= Target.Width() && DTop + H >= Target.Height();
}

} // namespace

void DC::Blit(int X, int Y, int Width, int Height, const Bitmap* Source, int XSrc, int YSrc, int WidthSrc,
              int HeightSrc, unsigned Rop, const std::uint32_t* Key) {
    const bool MirrorX = (Width < 0) != (WidthSrc < 0), MirrorY = (Height < 0) != (HeightSrc < 0);
    const std::int64_t DLeft = std::min<std::int64_t>(X, std::int64_t{X} + Width);
    const std::int64_t DTop = std::min<std::int64_t>(Y, std::int64_t{Y} + Height);
    const std::int64_t SLeft = std::min<std::int64_t>(XSrc, std::int64_t{XSrc} + WidthSrc);
    const std::int64_t STop = std::min<std::int64_t>(YSrc, std::int64_t{YSrc} + HeightSrc);
    const std::int64_t W = std::llabs(Width), H = std::llabs(Height);
    const std::int64_t Sw = std::llabs(WidthSrc), Sh = std::llabs(HeightSrc);
    const unsigned Code = (Rop >> 16) & 0xFF;
    if (Code == 0xCC && Source && !Key && W == Sw && H == Sh && !MirrorX && !MirrorY) {
        Painter Plain(*FSurface, Clip(), R2_COPYPEN);
        if (CoversWhole(Plain.Clip(), *FSurface, *Source, DLeft, DTop, W, H, SLeft - DLeft, STop - DTop)) {
            FSurface->ShareFrom(*Source);
            return;
        }
        if (Source != FSurface || !Plain.Clip().Shape) {
            CopyUnscaled(Plain, *Source, DLeft, DTop, W, H, SLeft - DLeft, STop - DTop);
            return;
        }
    }
    // Reading and writing the same bitmap: read from a copy.
    Bitmap Copy;
    if (Source == FSurface) {
        Copy = *Source;
        Source = &Copy;
    }
    const FillSource Pattern = BrushSource(FState.CurBrush);
    Painter P(*FSurface, Clip(), R2_COPYPEN);
    const RECT& Box = P.Clip().Box;
    const std::int64_t RowFirst = std::max<std::int64_t>(DTop, Box.top);
    const std::int64_t RowEnd = std::min<std::int64_t>(DTop + H, Box.bottom);
    for (std::int64_t Dy = RowFirst; Dy < RowEnd; ++Dy) {
        const int Row = static_cast<int>(Dy);
        const std::int64_t Sy = STop + SourceStep(Dy - DTop, H, Sh, MirrorY);
        const std::uint32_t* From = nullptr;
        if (Source) {
            if (Sy < 0 || Sy >= Source->Height()) continue;
            From = Source->Row(static_cast<int>(Sy));
        }
        std::uint32_t* To = FSurface->Row(Row);
        for (const Span& S : P.RowSpans(Row)) {
            const std::int64_t A = std::max<std::int64_t>({S.X0, DLeft, Box.left});
            const std::int64_t B = std::min<std::int64_t>({S.X1, DLeft + W, Box.right});
            for (std::int64_t Dx = A; Dx < B; ++Dx) {
                std::uint32_t Src = 0;
                if (Source) {
                    const std::int64_t Sx = SLeft + SourceStep(Dx - DLeft, W, Sw, MirrorX);
                    if (Sx < 0 || Sx >= Source->Width()) continue;
                    Src = From[Sx];
                    if (Key && (Src & 0xFFFFFF) == *Key) continue;
                }
                std::uint32_t& D = To[Dx];
                D = Code == 0xCC ? Src & 0xFFFFFF
                                 : Ternary(Code, BrushPixel(Pattern, static_cast<int>(Dx), Row), Src, D);
            }
        }
    }
}

bool DC::BitBlt(int X, int Y, int Width, int Height, const DC* Source, int XSrc, int YSrc, unsigned Rop) {
    if (Width <= 0 || Height <= 0) return true;
    return StretchBlt(X, Y, Width, Height, Source, XSrc, YSrc, Width, Height, Rop);
}

bool DC::TransparentBlt(int X, int Y, int Width, int Height, const DC& Source, int XSrc, int YSrc,
                        int WidthSrc, int HeightSrc, COLORREF Transparent) {
    if (Width <= 0 || Height <= 0 || WidthSrc <= 0 || HeightSrc <= 0) return false;
    const std::uint32_t Key = PixelFromColor(Transparent & 0xFFFFFF);
    Blit(X, Y, Width, Height, &Source.GetSurface(), XSrc, YSrc, WidthSrc, HeightSrc, SRCCOPY, &Key);
    return true;
}

bool DC::StretchBlt(int X, int Y, int Width, int Height, const DC* Source, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, unsigned Rop) {
    const unsigned Code = (Rop >> 16) & 0xFF;
    const bool NeedsSource = UsesSource(Code);
    if (NeedsSource && !Source) return false;
    if (Width == 0 || Height == 0) return true;
    if (NeedsSource && (WidthSrc == 0 || HeightSrc == 0)) return false;
    Blit(X, Y, Width, Height, NeedsSource ? &Source->GetSurface() : nullptr, XSrc, YSrc,
         NeedsSource ? WidthSrc : Width, NeedsSource ? HeightSrc : Height, Rop);
    return true;
}

bool DC::AlphaBlend(int X, int Y, int Width, int Height, const DC& Source, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, BLENDFUNCTION Blend) {
    const Bitmap& Src = Source.GetSurface();
    if (Width < 0 || Height < 0 || WidthSrc < 0 || HeightSrc < 0 || Blend.BlendOp != AC_SRC_OVER)
        return false;
    if (XSrc < 0 || YSrc < 0 || std::int64_t{XSrc} + WidthSrc > Src.Width() ||
        std::int64_t{YSrc} + HeightSrc > Src.Height())
        return false;
    if (Width == 0 || Height == 0 || WidthSrc == 0 || HeightSrc == 0) return true;
    Bitmap Copy;
    const Bitmap* From = &Src;
    if (From == FSurface) {
        Copy = Src;
        From = &Copy;
    }
    const unsigned A = Blend.SourceConstantAlpha;
    const bool PerPixel = Blend.AlphaFormat & AC_SRC_ALPHA;
    Painter P(*FSurface, Clip(), R2_COPYPEN);
    const RECT& Box = P.Clip().Box;
    const std::int64_t RowEnd = std::min<std::int64_t>(std::int64_t{Y} + Height, Box.bottom);
    for (std::int64_t Dy = std::max<std::int64_t>(Y, Box.top); Dy < RowEnd; ++Dy) {
        const int Row = static_cast<int>(Dy);
        const std::uint32_t* S = From->Row(YSrc + SourceStep(Dy - Y, Height, HeightSrc, false));
        std::uint32_t* To = FSurface->Row(Row);
        for (const Span& Sp : P.RowSpans(Row)) {
            const std::int64_t Lo = std::max<std::int64_t>({Sp.X0, X, Box.left});
            const std::int64_t Hi = std::min<std::int64_t>({Sp.X1, std::int64_t{X} + Width, Box.right});
            for (std::int64_t Dx = Lo; Dx < Hi; ++Dx) {
                const std::uint32_t Sv = S[XSrc + SourceStep(Dx - X, Width, WidthSrc, false)];
                std::uint32_t& D = To[Dx];
                std::uint32_t Out = 0;
                // Per-pixel alpha: the source is premultiplied, scaled by the constant alpha.
                const unsigned Sa = PerPixel ? ((Sv >> 24) * A + 127) / 255 : A;
                for (int Shift = 0; Shift < 24; Shift += 8) {
                    const unsigned Sc = (Sv >> Shift) & 0xFF, Dc = (D >> Shift) & 0xFF;
                    const unsigned Mixed =
                        PerPixel ? std::min(255u, (Sc * A + 127) / 255 + (Dc * (255 - Sa) + 127) / 255)
                                 : (Sc * A + Dc * (255 - A) + 127) / 255;
                    Out |= Mixed << Shift;
                }
                D = Out;
            }
        }
    }
    return true;
}

} // namespace vur::gdi
