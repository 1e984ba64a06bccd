// TColorPalettes: the named colour palettes a chart can apply. Palette 0
// stands for the default palette; the others are fixed colour tables.
#pragma once

#include "chart/VurProcs/DefaultPalette.h"

#include <string>
#include <vector>

namespace vur {

class TCustomChart;

class TColorPalettes {
public:
    // The ten palettes, "Plotwise" to "Win. XP".
    TColorPalettes();

    int Count() const { return static_cast<int>(FNames.size()); }
    const std::string& Name(int Index) const { return FNames[static_cast<std::size_t>(Index)]; }
    // The colour table of a palette; empty for palette 0 (the default palette).
    const TColorArray& Colors(int Index) const { return FColors[static_cast<std::size_t>(Index)]; }

    // Gives the chart the palette (any index without a table removes the
    // chart's own palette), recolours its automatic series and repaints.
    void ApplyPalette(TCustomChart* Chart, int PaletteIndex) const;

private:
    std::vector<std::string> FNames;
    std::vector<TColorArray> FColors;
};

// The process-wide list; it never changes.
const TColorPalettes& ColorPalettes();

} // namespace vur
