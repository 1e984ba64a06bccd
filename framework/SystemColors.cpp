#include "framework/SystemColors.h"

#include <array>

namespace vur {

namespace {

constexpr TColor RGB(unsigned R, unsigned G, unsigned B) { return R | (G << 8) | (B << 16); }

constexpr std::array<TColor, 25> Scheme = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop background
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application work space
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3D dark shadow
    RGB(212, 208, 200), // 3D light
    RGB(0, 0, 0),       // tool tip text
    RGB(255, 255, 225), // tool tip background
};

} // namespace

TColor ColorToRGB(TColor Color) {
    if ((Color & clSystemColor) == 0) return Color;
    const TColor Index = Color & 0xFF;
    return Index < Scheme.size() ? Scheme[Index] : clBlack;
}

std::uint32_t ColorToPixel(TColor Color) {
    const TColor C = ColorToRGB(Color);
    return ((C & 0xFF) << 16) | (C & 0xFF00) | ((C >> 16) & 0xFF);
}

} // namespace vur
