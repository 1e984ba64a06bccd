#include "platform/gdi/Bitmap.h"

#include "platform/gdi/Error.h"
#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <cstring>

namespace vur::gdi {

namespace {
// 2^28 pixels (1 GiB) is far beyond any chart; refuse rather than thrash.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 28;
} // namespace

Bitmap::Bitmap(int Width, int Height) { SetSize(Width, Height); }

Bitmap::Bitmap(const Bitmap& Other)
    : FWidth(Other.FWidth), FHeight(Other.FHeight), FMonochrome(Other.FMonochrome),
      FMayHoldAlpha(Other.FMayHoldAlpha), FPixels(Other.FPixels) {}

Bitmap& Bitmap::operator=(const Bitmap& Other) {
    if (this == &Other) return *this;
    FMonochrome = Other.FMonochrome;
    ShareFrom(Other);
    return *this;
}

void Bitmap::SetSize(int Width, int Height) {
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (static_cast<std::int64_t>(Width) * Height > MaxPixels)
        throw EGdiError("Bitmap too large: " + std::to_string(Width) + " x " + std::to_string(Height));
    const std::size_t Pixels = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
    FPixels = Pixels > 0 ? std::make_shared<std::uint32_t[]>(Pixels) : nullptr;
    FSpare.reset();
    FWidth = Width;
    FHeight = Height;
    FMayHoldAlpha = false;
}

void Bitmap::Fill(COLORREF Color) { FillRows(0, FHeight, PixelFromColor(Color & 0xFFFFFF)); }

void Bitmap::FillRows(int Top, int Bottom, std::uint32_t Pixel) {
    Top = std::max(Top, 0);
    Bottom = std::min(Bottom, FHeight);
    if (Top >= Bottom) return;
    WillOverwrite(Top, Bottom);
    if (Top == 0 && Bottom == FHeight) FMayHoldAlpha = false;
    FillPixels(Row(Top), static_cast<std::size_t>(Bottom - Top) * static_cast<std::size_t>(FWidth), Pixel);
}

void Bitmap::ShareFrom(const Bitmap& Source) {
    if (this == &Source) return;
    Store Given = std::move(FPixels);
    const bool SameSize = FWidth == Source.FWidth && FHeight == Source.FHeight;
    FPixels = Source.FPixels;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FMayHoldAlpha = Source.FMayHoldAlpha;
    if (!SameSize) FSpare.reset();
    if (SameSize && Given && Given != FPixels && Given.use_count() == 1 && !Source.FSpare)
        Source.FSpare = std::move(Given);
}

void Bitmap::Unshare(bool Keep) {
    Store Own = std::move(FSpare);
    if (!Own) Own = std::make_shared_for_overwrite<std::uint32_t[]>(Count());
    if (Keep) std::memcpy(Own.get(), FPixels.get(), Count() * sizeof(std::uint32_t));
    FPixels = std::move(Own);
}

void Bitmap::SetMonochrome(bool Value) {
    FMonochrome = Value;
    if (!Value || Empty()) return;
    std::uint32_t* Pixels = Row(0);
    for (std::size_t I = 0; I < Count(); ++I) {
        const std::uint32_t Pixel = Pixels[I];
        const unsigned Sum = ((Pixel >> 16) & 0xFF) * 30 + ((Pixel >> 8) & 0xFF) * 59 + (Pixel & 0xFF) * 11;
        Pixels[I] = Sum >= 128 * 100 ? 0xFFFFFF : 0;
    }
    FMayHoldAlpha = false;
}

bool operator==(const Bitmap& A, const Bitmap& B) {
    if (A.FWidth != B.FWidth || A.FHeight != B.FHeight || A.FMonochrome != B.FMonochrome) return false;
    return A.FPixels == B.FPixels || std::equal(A.Row(0), A.Row(0) + A.Count(), B.Row(0));
}

COLORREF Bitmap::GetPixel(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return CLR_INVALID;
    return ColorFromPixel(Row(Y)[X] & 0xFFFFFF);
}

} // namespace vur::gdi
