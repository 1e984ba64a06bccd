#include "platform/gdi/Brush.h"

namespace vur::gdi {

const std::uint8_t* HatchRows(int Hatch) {
    static constexpr std::uint8_t Rows[6][8] = {
        {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal
        {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
    };
    return Rows[Hatch >= HS_HORIZONTAL && Hatch <= HS_DIAGCROSS ? Hatch : 0];
}

Brush CreateSolidBrush(COLORREF Color) {
    Brush B;
    B.FColor = Color & 0xFFFFFF;
    return B;
}

Brush CreateHatchBrush(int Hatch, COLORREF Color) {
    Brush B = CreateSolidBrush(Color);
    if (Hatch >= HS_HORIZONTAL && Hatch <= HS_DIAGCROSS) {
        B.FStyle = BS_HATCHED;
        B.FHatch = Hatch;
    }
    return B;
}

Brush CreatePatternBrush(const Bitmap& Pattern) {
    Brush B;
    if (Pattern.Empty()) {
        B.FStyle = BS_NULL;
        return B;
    }
    B.FStyle = BS_PATTERN;
    B.FPattern = std::make_shared<const Bitmap>(Pattern);
    return B;
}

Brush CreateBrushIndirect(const LOGBRUSH& Brush) {
    switch (Brush.lbStyle) {
    case BS_NULL: {
        gdi::Brush B;
        B.FStyle = BS_NULL;
        return B;
    }
    case BS_HATCHED:
        return CreateHatchBrush(static_cast<int>(Brush.lbHatch), Brush.lbColor);
    default:
        return CreateSolidBrush(Brush.lbColor);
    }
}

Brush GetStockBrush(int Index) {
    switch (Index) {
    case LTGRAY_BRUSH:
        return CreateSolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return CreateSolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return CreateSolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return CreateSolidBrush(0);
    case NULL_BRUSH:
        return CreateBrushIndirect(LOGBRUSH{BS_NULL, 0, 0});
    default:
        return CreateSolidBrush(0xFFFFFF);
    }
}

Pen GetStockPen(int Index) {
    switch (Index) {
    case WHITE_PEN:
        return CreatePen(PS_SOLID, 0, 0xFFFFFF);
    case NULL_PEN:
        return CreatePen(PS_NULL, 0, 0);
    default:
        return CreatePen(PS_SOLID, 0, 0);
    }
}

} // namespace vur::gdi
