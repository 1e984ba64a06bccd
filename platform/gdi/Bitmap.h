// A 32-bit raster: rows of 0x00RRGGBB words, top row first. The top byte is
// free for an alpha channel read from an image file; drawing writes it as 0.
#pragma once

#include "platform/gdi/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vur::gdi {

class Bitmap {
public:
    Bitmap() = default;
    // A black bitmap; negative sizes give an empty one, absurd ones throw EGdiError.
    Bitmap(int Width, int Height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Pixels from one row to the next.
    int Stride() const { return FWidth; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    std::uint32_t* Row(int Y) { return FPixels.data() + static_cast<std::size_t>(Y) * FWidth; }
    const std::uint32_t* Row(int Y) const { return FPixels.data() + static_cast<std::size_t>(Y) * FWidth; }

    // Resizes to a black bitmap of the new size.
    void SetSize(int Width, int Height);
    // Every pixel to the colour (top byte 0).
    void Fill(COLORREF Color);

    // A monochrome bitmap holds only black and white; as a pattern brush it
    // paints in the text and background colours.
    bool GetMonochrome() const { return FMonochrome; }
    // Switching on turns every pixel to black or white by its brightness.
    void SetMonochrome(bool Value);

    // CLR_INVALID outside the bitmap.
    COLORREF GetPixel(int X, int Y) const;

    // PNG files (libpng). Saving writes RGB; loading keeps an alpha channel in
    // the top byte. Failures throw EGdiError naming the file.
    void SavePng(const std::string& Path) const;
    static Bitmap LoadPng(const std::string& Path);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int FWidth = 0;
    int FHeight = 0;
    bool FMonochrome = false;
    std::vector<std::uint32_t> FPixels;
};

} // namespace vur::gdi
