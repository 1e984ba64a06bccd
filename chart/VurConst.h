// The engine's message table: every text the chart engine raises or shows,
// under one name each, plus the printf-style helper that fills them in.
#pragma once

#include <cstdio>
#include <string>

namespace vur {

// Value lists and series data.
inline constexpr char VurMsg_SeriesDelete[] = "Series Delete: ValueIndex %d out of bounds (0 to %d).";
inline constexpr char VurMsg_DeleteQuantityPositive[] =
    "Quantity of data points to delete must be greater than zero.";
inline constexpr char VurMsg_DeleteLessThanCount[] = "Quantity of data to delete must be less than Count.";
inline constexpr char VurMsg_ValueListCountLength[] = "ValueList Count (%d) greater than array length (%d).";
inline constexpr char VurMsg_ValueListCountNegative[] = "ValueList Count must be greater than zero.";
inline constexpr char VurMsg_XValueNotFinite[] = "Series X value must be a finite number, not %s.";
inline constexpr char VurMsg_ObsoleteMultiplier[] =
    "Error: Multiplier property is obsolete.\rModify VurDefs.inc (enable Multiplier) and recompile.";
inline constexpr char VurMsg_DefValueFormat[] = "#,##0.###";
inline constexpr char VurMsg_DefPercentFormat[] = "##0.## %";

// Data sources.
inline constexpr char VurMsg_NoParentChart[] = "No ParentChart to validate DataSource";
inline constexpr char VurMsg_InvalidDataSource[] = "No valid DataSource: %s";
inline constexpr char VurMsg_CircularSeries[] = "Circular Series dependences are not allowed";

// Marks.
inline constexpr char VurMsg_PercentOfTotal[] = "%s of %s";
inline constexpr char VurMsg_PercentOfTotalMultiLine[] = "%s\rof %s";
inline constexpr char VurMsg_MarksDrawEvery[] = "Marks DrawEvery must be greater than zero";

// Pointer.
inline constexpr char VurMsg_PointerSize[] = "Pointer size must be greater than zero";

// Axes.
inline constexpr char VurMsg_AxisMinMax[] = "Axis Minimum Value must be <= Maximum";
inline constexpr char VurMsg_AxisMaxMin[] = "Axis Maximum Value must be >= Minimum";
inline constexpr char VurMsg_AxisMinNotFinite[] = "Axis Minimum Value must be a finite number";
inline constexpr char VurMsg_AxisMaxNotFinite[] = "Axis Maximum Value must be a finite number";
inline constexpr char VurMsg_AxisLogDateTime[] = "DateTime Axis cannot be Logarithmic";
inline constexpr char VurMsg_AxisLogNotPositive[] = "Logarithmic Axis Min and Max values should be >= 0";
inline constexpr char VurMsg_AxisLogBase[] = "Axis Logarithmic Base should be <> 1 and > 0";
inline constexpr char VurMsg_AxisIncrementNeg[] = "Axis increment must be >= 0";
inline constexpr char VurMsg_AxisLabelSep[] = "Labels Separation % must be greater than 0";

// Panel and legend.
inline constexpr char VurMsg_Chart3DPercent[] = "3D effect percent must be between %d and %d";
inline constexpr char VurMsg_LegendFirstValue[] = "First Legend Value must be > 0";

// Fonts.
inline constexpr char VurMsg_DefaultFontSize[] = "8";
inline constexpr char VurMsg_DefaultFontName[] = "Arial";

// Mark-up text.
inline constexpr char VurMsg_HtmlMissingClose[] = "Missing > at ";
inline constexpr char VurMsg_HtmlUnknownFontField[] = "Unknown field in FONT: ";
inline constexpr char VurMsg_HtmlUnknownFontWeight[] = "Unknown field in FONT WEIGHT=";

// Colour palettes, by palette index.
inline constexpr char VurMsg_PalettePlotwise[] = "Plotwise";
inline constexpr char VurMsg_PaletteExcel[] = "Excel";
inline constexpr char VurMsg_PaletteVictorian[] = "Victorian";
inline constexpr char VurMsg_PalettePastels[] = "Pastels";
inline constexpr char VurMsg_PaletteSolid[] = "Solid";
inline constexpr char VurMsg_PaletteClassic[] = "Classic";
inline constexpr char VurMsg_PaletteWeb[] = "Web";
inline constexpr char VurMsg_PaletteModern[] = "Modern";
inline constexpr char VurMsg_PaletteRainbow[] = "Rainbow";
inline constexpr char VurMsg_PaletteWinXP[] = "Win. XP";

// Fills a message's %d and %s fields (pass strings as const char*).
template <class... TArgs>
std::string VurFormat(const char* Format, TArgs... Args) {
    const int Size = std::snprintf(nullptr, 0, Format, Args...);
    if (Size <= 0) return std::string();
    std::string Result(static_cast<std::size_t>(Size) + 1, '\0');
    std::snprintf(Result.data(), Result.size(), Format, Args...);
    Result.resize(static_cast<std::size_t>(Size));
    return Result;
}

} // namespace vur
