#include "chart/VurProcs/DefaultPalette.h"

namespace vur {

namespace {
TColorArray& CurrentPalette() {
    static TColorArray Palette = StandardPalette();
    return Palette;
}
} // namespace

const TColorArray& StandardPalette() {
    static const TColorArray Colors{0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF,
                                    0x808000, 0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0,
                                    0xFFFF00, 0x000000, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};
    return Colors;
}

const TColorArray& DefaultPalette() { return CurrentPalette(); }

void SetDefaultColorPalette(const TColorArray& Colors) {
    CurrentPalette() = Colors.size() <= 1 ? StandardPalette() : Colors;
}

void SetDefaultColorPalette() { CurrentPalette() = StandardPalette(); }

TColor GetDefaultColor(int Index) {
    const TColorArray& Palette = CurrentPalette();
    const int Size = static_cast<int>(Palette.size());
    return Palette[static_cast<std::size_t>(((Index % Size) + Size) % Size)];
}

} // namespace vur
