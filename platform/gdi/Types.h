// The plain value types of the raster device, named and laid out as the
// Windows graphics interface names them so that calls read the same.
#pragma once

#include "platform/numeric/Rounding.h"

#include <cstdint>

namespace vur::gdi {

// A coordinate moved by By, stopping at the ends of int instead of wrapping
// round: an edge far off the picture stays far off it.
constexpr int MovedEdge(int Edge, long long By) { return ClampToInt(Edge + By); }

struct POINT {
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
    return static_cast<COLORREF>(R) | (static_cast<COLORREF>(G) << 8) | (static_cast<COLORREF>(B) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF Color) { return static_cast<std::uint8_t>(Color); }
constexpr std::uint8_t GetGValue(COLORREF Color) { return static_cast<std::uint8_t>(Color >> 8); }
constexpr std::uint8_t GetBValue(COLORREF Color) { return static_cast<std::uint8_t>(Color >> 16); }

// Bitmap pixels are 0x00RRGGBB words (blue in the low byte, like a 32-bit
// device-independent bitmap); colours cross over once per drawing call.
constexpr std::uint32_t PixelFromColor(COLORREF Color) {
    return ((Color & 0xFF) << 16) | (Color & 0xFF00) | ((Color >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t Pixel) {
    return ((Pixel & 0xFF) << 16) | (Pixel & 0xFF00) | ((Pixel >> 16) & 0xFF);
}

} // namespace vur::gdi
