#include "platform/gdi/Bitmap.h"

#include "platform/gdi/Error.h"
#include "platform/gdi/PixelRun.h"

#include <algorithm>

namespace vur::gdi {

namespace {
// 2^28 pixels (1 GiB) is far beyond any chart; refuse rather than thrash.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 28;
} // namespace

Bitmap::Bitmap(int Width, int Height) { SetSize(Width, Height); }

void Bitmap::SetSize(int Width, int Height) {
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (static_cast<std::int64_t>(Width) * Height > MaxPixels)
        throw EGdiError("Bitmap too large: " + std::to_string(Width) + " x " + std::to_string(Height));
    FPixels.assign(static_cast<std::size_t>(Width) * Height, 0);
    FWidth = Width;
    FHeight = Height;
}

void Bitmap::Fill(COLORREF Color) {
    FillPixels(FPixels.data(), FPixels.size(), PixelFromColor(Color & 0xFFFFFF));
}

void Bitmap::SetMonochrome(bool Value) {
    FMonochrome = Value;
    if (!Value) return;
    for (auto& Pixel : FPixels) {
        const unsigned Sum = ((Pixel >> 16) & 0xFF) * 30 + ((Pixel >> 8) & 0xFF) * 59 + (Pixel & 0xFF) * 11;
        Pixel = Sum >= 128 * 100 ? 0xFFFFFF : 0;
    }
}

COLORREF Bitmap::GetPixel(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return CLR_INVALID;
    return ColorFromPixel(Row(Y)[X] & 0xFFFFFF);
}

} // namespace vur::gdi
