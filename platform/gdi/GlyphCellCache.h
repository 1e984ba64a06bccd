// Premixed glyph cells: for a cached glyph, an ink and a background pixel,
// the pixels that laying the glyph's coverage in that ink over a block of
// that background gives. Labels are nearly always drawn in a few colours on
// one background, so a device context keeps the cells it made recently and
// copies them instead of mixing again. The table is small and bounded: when
// it is full it starts over. A cell is keyed by the address of the glyph's
// coverage, which stays put while its font lives, so the cache holds the
// fonts whose glyphs it has cells of.
#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/HeldFonts.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vur::gdi {

class GlyphCellCache {
public:
    // Pixels a cell may have at most; larger glyphs are mixed every time.
    static constexpr std::size_t MaxCellPixels = 64 * 64;
    // Pixels all cells together may have.
    static constexpr std::size_t PoolPixels = 16384;
    static constexpr std::size_t Slots = 256;
    static constexpr std::size_t MaxCells = Slots * 3 / 4;
    static constexpr std::size_t MaxFonts = 4;

    // Text in F is about to be drawn: its glyphs' coverage stays valid while
    // the cache holds cells of them.
    void UseFont(const Font& F);

    // Pixels of Back after each row of a cell, so that a row can be taken in
    // whole groups of four from any pixel of it.
    static constexpr std::size_t Pad = 3;

    // The cell of the glyph whose coverage is Width x Height bytes at Coverage
    // (rows Width bytes apart), in Ink over Back: Height rows of Width pixels
    // and Pad pixels of Back, Width + Pad pixels apart. Nullptr when the glyph
    // is too large to keep. The coverage must belong to a font passed to
    // UseFont since the last call that changed fonts.
    const std::uint32_t* Cell(const std::uint8_t* Coverage, int Width, int Height, std::uint32_t Ink,
                              std::uint32_t Back);

    // Cells made since construction; lets tests see that the table is used.
    std::size_t Made() const { return FMade; }

private:
    struct Entry {
        const std::uint8_t* Coverage = nullptr; // nullptr: free
        std::uint32_t Ink = 0;
        std::uint32_t Back = 0;
        std::size_t Offset = 0;
    };
    static std::size_t SlotOf(const std::uint8_t* Coverage, std::uint32_t Ink, std::uint32_t Back);
    void Clear();

    std::vector<Entry> FEntries;      // Slots entries, open addressing, made on first use
    std::vector<std::uint32_t> FPool; // PoolPixels reserved on first use
    std::size_t FCount = 0;
    HeldFonts<MaxFonts> FFonts;
    std::size_t FMade = 0;
};

} // namespace vur::gdi
