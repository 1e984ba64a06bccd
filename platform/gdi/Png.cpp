// PNG files through libpng's simplified interface, which reports errors in the
// image structure instead of jumping out of C++ frames.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Error.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
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
    // Opened without waiting and read only when it is a regular file: a FIFO
    // or a device would block or never end.
    const int Descriptor = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (Descriptor < 0) throw EGdiError("PNG file not found: " + Path);
    struct stat Status {};
    if (::fstat(Descriptor, &Status) != 0 || !S_ISREG(Status.st_mode)) {
        ::close(Descriptor);
        throw EGdiError("Not a regular file: " + Path);
    }
    const std::unique_ptr<FILE, int (*)(FILE*)> File(::fdopen(Descriptor, "rb"), &std::fclose);
    if (!File) {
        ::close(Descriptor);
        throw EGdiError("Cannot read PNG file " + Path);
    }
    png_image Image;
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_stdio(&Image, File.get()))
        throw EGdiError("Cannot read PNG file " + Path + ": " + Image.message);
    // A small file may declare a huge picture: the header is checked before
    // anything is allocated for the pixels.
    if (static_cast<std::int64_t>(Image.width) * Image.height > MaxLoadedPixels) {
        png_image_free(&Image);
        throw EGdiError("PNG file " + Path + " holds " + std::to_string(Image.width) + " x " +
                        std::to_string(Image.height) + " pixels, more than " +
                        std::to_string(MaxLoadedPixels));
    }
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
