// A 32-bit raster: rows of 0x00RRGGBB words, top row first. The top byte is
// free for an alpha channel read from an image file; drawing writes it as 0.
// Copies share their pixels until one of them is written to, so a whole
// picture handed on (an off-screen buffer shown in a window) costs no copy.
#pragma once

#include "platform/gdi/Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vur::gdi {

class Bitmap {
public:
    Bitmap() = default;
    // A black bitmap; negative sizes give an empty one, absurd ones throw EGdiError.
    Bitmap(int Width, int Height);
    // Shares Other's pixels; the spare store stays with Other.
    Bitmap(const Bitmap& Other);
    Bitmap& operator=(const Bitmap& Other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    ~Bitmap() = default;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Pixels from one row to the next.
    int Stride() const { return FWidth; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    // A writable row first takes pixels of its own when they are shared.
    std::uint32_t* Row(int Y) { return Writable() + static_cast<std::size_t>(Y) * FWidth; }
    const std::uint32_t* Row(int Y) const { return FPixels.get() + static_cast<std::size_t>(Y) * FWidth; }

    // Resizes to a black bitmap of the new size.
    void SetSize(int Width, int Height);
    // Every pixel to the colour (top byte 0).
    void Fill(COLORREF Color);
    // Rows [Top, Bottom) to one pixel value. Filling every row of shared
    // pixels takes a fresh store instead of copying what is overwritten.
    void FillRows(int Top, int Bottom, std::uint32_t Pixel);
    // The caller is about to write every pixel of rows [Top, Bottom): when
    // that is the whole bitmap, pixels shared with another bitmap are given
    // up without being copied, and the new store's pixels are undefined
    // until written.
    void WillOverwrite(int Top, int Bottom) {
        if (Top <= 0 && Bottom >= FHeight && FPixels.use_count() > 1) Unshare(false);
    }
    // Becomes a copy of Source (size and pixels) without copying pixels. The
    // store given up, when nobody else holds it, becomes Source's spare: the
    // next whole fill of Source draws there while this bitmap keeps showing
    // the shared picture, so a buffer and its window take turns with two
    // stores and neither allocates nor copies.
    void ShareFrom(const Bitmap& Source);
    // False only while the top bytes are known to be 0 (nothing since the
    // last whole fill or resize came from an image file with alpha).
    bool MayHoldAlpha() const { return FMayHoldAlpha; }

    // A monochrome bitmap holds only black and white; as a pattern brush it
    // paints in the text and background colours.
    bool GetMonochrome() const { return FMonochrome; }
    // Switching on turns every pixel to black or white by its brightness.
    void SetMonochrome(bool Value);

    // CLR_INVALID outside the bitmap.
    COLORREF GetPixel(int X, int Y) const;

    // PNG files (libpng). Saving writes RGB; loading keeps an alpha channel in
    // the top byte and reads regular files only, of at most MaxLoadedPixels
    // pixels. Failures throw EGdiError naming the file.
    static constexpr std::int64_t MaxLoadedPixels = std::int64_t{1} << 24;
    void SavePng(const std::string& Path) const;
    static Bitmap LoadPng(const std::string& Path);

    // Same size, monochrome flag and pixels.
    friend bool operator==(const Bitmap& A, const Bitmap& B);

private:
    using Store = std::shared_ptr<std::uint32_t[]>;

    std::size_t Count() const { return static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight); }
    std::uint32_t* Writable() {
        if (FPixels.use_count() > 1) [[unlikely]]
            Unshare(true);
        return FPixels.get();
    }
    // Pixels of its own, from the spare store when there is one; Keep copies
    // the shared picture into them.
    void Unshare(bool Keep);

    int FWidth = 0;
    int FHeight = 0;
    bool FMonochrome = false;
    bool FMayHoldAlpha = false;
    Store FPixels;
    // Null, or a store of Count() pixels that only this bitmap holds.
    mutable Store FSpare;
};

} // namespace vur::gdi
