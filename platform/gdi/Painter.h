// The last stage of every drawing call: writing pixels of one colour source
// through the clip and the raster operation. The clip is a box (the bitmap
// cut by the clip region's bounds) plus, for a region that is not a single
// rectangle, the region's bands, looked up once per row through a cursor.
// Spans are cut arithmetically; nothing here allocates.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/RasterOp.h"
#include "platform/gdi/Region.h"

#include <cstdint>
#include <span>

namespace vur::gdi {

struct ClipArea {
    RECT Box{};                    // where drawing may happen at all
    const Region* Shape = nullptr; // null when the box is the whole clip
    bool Empty() const { return Box.left >= Box.right || Box.top >= Box.bottom; }
};

// What fills a span: a solid colour, an 8x8 hatch, or a pattern bitmap.
struct FillSource {
    enum KindType : std::uint8_t { Solid, Hatch, Pattern };
    KindType Kind = Solid;
    std::uint32_t Fore = 0;    // pixel of the colour, or of set hatch bits
    std::uint32_t Back = 0;    // pixel of hatch gaps and of a two-colour pattern's set bits
    bool Opaque = false;       // hatch gaps painted
    std::uint8_t Rows[8] = {}; // hatch rows, most significant bit leftmost
    const Bitmap* Image = nullptr;
    bool TwoColour = false; // image black -> Fore, white -> Back
    int OriginX = 0, OriginY = 0;

    // Every pixel of a fill is written, none left as it was.
    bool CoversEveryPixel() const {
        if (Kind == Hatch) return Opaque;
        return Kind == Solid || (Image != nullptr && !Image->Empty());
    }
};

class Painter {
public:
    Painter(Bitmap& Target, const ClipArea& Clip, int Rop2);

    const ClipArea& Clip() const { return FClip; }
    bool CopiesPen() const { return FCopy; }

    // [X0, X1) on row Y in one pixel value.
    void SolidSpan(int Y, int X0, int X1, std::uint32_t Pixel);
    void FillSpan(int Y, int X0, int X1, const FillSource& Source);
    // Rows [Top, Bottom) of [X0, X1) in one pixel value: SolidSpan row by
    // row, but a plain store through a box steps from row to row in place.
    void SolidBlock(int Top, int Bottom, int X0, int X1, std::uint32_t Pixel);
    void Plot(int X, int Y, std::uint32_t Pixel);
    // Plot for callers that already cut to Clip().Box; still honours the region.
    void PlotInBox(int X, int Y, std::uint32_t Pixel) {
        if (FClip.Shape && !InShape(X, Y)) return;
        std::uint32_t& D = FTarget.Row(Y)[X];
        D = FCopy ? FPenPixel(Pixel) : FRop(Pixel, D) & 0xFFFFFF;
    }
    // The clip's spans of row Y inside the box (the box itself when simple).
    std::span<const Span> RowSpans(int Y);

    Bitmap& Target() { return FTarget; }
    const RasterOp& Rop() const { return FRop; }

private:
    static std::uint32_t FPenPixel(std::uint32_t P) { return P & 0xFFFFFF; }
    bool InShape(int X, int Y);
    void RawSolid(std::uint32_t* Row, int X0, int X1, std::uint32_t Pixel);
    void RawFill(std::uint32_t* Row, int Y, int X0, int X1, const FillSource& Source);

    Bitmap& FTarget;
    ClipArea FClip;
    RasterOp FRop;
    bool FCopy;
    int FBand = -1;
    Span FBoxSpan;
};

} // namespace vur::gdi
