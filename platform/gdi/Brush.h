// Brushes: solid, hollow, the six 8x8 hatches and pattern bitmaps. Hatch and
// pattern pixels are chosen by position relative to the DC's brush origin, so
// neighbouring shapes line up. A monochrome pattern bitmap paints its black
// pixels in the text colour and its white ones in the background colour.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Types.h"

#include <cstdint>
#include <memory>

namespace vur::gdi {

constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Rows of each hatch, top to bottom, most significant bit leftmost.
const std::uint8_t* HatchRows(int Hatch);

class Brush {
public:
    // The default brush: white, solid.
    Brush() = default;

    unsigned GetStyle() const { return FStyle; }
    COLORREF GetColor() const { return FColor; }
    int GetHatch() const { return FHatch; }
    const Bitmap* GetPattern() const { return FPattern.get(); }
    bool IsNull() const { return FStyle == BS_NULL; }

    friend bool operator==(const Brush&, const Brush&) = default;

private:
    friend Brush CreateSolidBrush(COLORREF Color);
    friend Brush CreateHatchBrush(int Hatch, COLORREF Color);
    friend Brush CreatePatternBrush(const Bitmap& Pattern);
    friend Brush CreateBrushIndirect(const LOGBRUSH& Brush);
    unsigned FStyle = BS_SOLID;
    COLORREF FColor = 0xFFFFFF;
    int FHatch = 0;
    std::shared_ptr<const Bitmap> FPattern;
};

Brush CreateSolidBrush(COLORREF Color);
// An unknown hatch index gives a solid brush.
Brush CreateHatchBrush(int Hatch, COLORREF Color);
// The brush keeps its own copy of the bitmap; an empty bitmap gives a hollow brush.
Brush CreatePatternBrush(const Bitmap& Pattern);
Brush CreateBrushIndirect(const LOGBRUSH& Brush);

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

Brush GetStockBrush(int Index);
Pen GetStockPen(int Index);

} // namespace vur::gdi
