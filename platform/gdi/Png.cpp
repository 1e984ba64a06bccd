// PNG files through libpng's simplified interface, which reports errors in the
// image structure instead of jumping out of C++ frames.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Error.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace vur::gdi {

void Bitmap::SavePng(const std::string& Path) const {
    if (Empty()) throw EGdiError("Cannot save an empty bitmap as PNG: " + Path);
    png_image Image;
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
    Image.width = static_cast<png_uint_32>(FWidth);
    Image.height = static_cast<png_uint_32>(FHeight);
    Image.format = PNG_FORMAT_RGB;
    const std::uint32_t* Pixels = Row(0);
    std::vector<png_byte> Rgb(Count() * 3);
    for (std::size_t I = 0; I < Count(); ++I) {
        Rgb[I * 3] = static_cast<png_byte>(Pixels[I] >> 16);
        Rgb[I * 3 + 1] = static_cast<png_byte>(Pixels[I] >> 8);
        Rgb[I * 3 + 2] = static_cast<png_byte>(Pixels[I]);
    }
    if (!png_image_write_to_file(&Image, Path.c_str(), 0, Rgb.data(), FWidth * 3, nullptr))
        throw EGdiError("Cannot write PNG file " + Path + ": " + Image.message);
}

Bitmap Bitmap::LoadPng(const std::string& Path) {
    if (!std::ifstream(Path, std::ios::binary)) throw EGdiError("PNG file not found: " + Path);
    png_image Image;
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&Image, Path.c_str()))
        throw EGdiError("Cannot read PNG file " + Path + ": " + Image.message);
    const bool HasAlpha = (Image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    Image.format = PNG_FORMAT_BGRA;
    Bitmap Result(static_cast<int>(Image.width), static_cast<int>(Image.height));
    std::uint32_t* Pixels = Result.Row(0);
    if (!png_image_finish_read(&Image, nullptr, Pixels, Result.FWidth * 4, nullptr)) {
        png_image_free(&Image);
        throw EGdiError("Cannot read PNG file " + Path + ": " + Image.message);
    }
    if (HasAlpha)
        Result.FMayHoldAlpha = true;
    else
        for (std::size_t I = 0; I < Result.Count(); ++I) Pixels[I] &= 0xFFFFFF;
    return Result;
}

} // namespace vur::gdi
