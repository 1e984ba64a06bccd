// Premixed whole texts: for a short upright text in one font and ink, the
// pixels that drawing it over a block of one background pixel gives, its
// opaque box included. A paint draws the same few labels in the same places
// again and again, so where the pixels a text touches inside the clip box
// are all that background, the draw is a copy of rows. A text is premixed
// only when it comes a second time: measuring and premixing a text drawn
// once (each mark's own value) costs twice its glyphs. The table is small
// and bounded: when it is full it starts over. A cell is keyed by the font
// it was made in, which the table holds while cells of it exist, so that a
// new font can never be taken for a dead one.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/HeldFonts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vur::gdi {

// One TextOut: the text at reference point (X, Y) with the alignment flags
// and extra spacing, its ink, and the box pixel when the box is opaque.
struct TextRun {
    std::string_view Text;
    int X = 0;
    int Y = 0;
    unsigned AlignFlags = 0;
    int ExtraSpacing = 0;
    std::uint32_t Ink = 0;
    bool Opaque = false;
    std::uint32_t BoxPixel = 0;
};

class TextCellCache {
public:
    // Longer texts are drawn glyph by glyph every time.
    static constexpr std::size_t MaxText = 32;
    // Larger extra spacing (either way) is drawn glyph by glyph too.
    static constexpr int MaxExtra = 1 << 16;
    // Pixels a cell may have at most, and all cells together.
    static constexpr std::size_t MaxCellPixels = 4096;
    static constexpr std::size_t PoolPixels = 32768;
    static constexpr std::size_t Slots = 256;
    static constexpr std::size_t MaxCells = Slots * 3 / 4;
    static constexpr std::size_t MaxFonts = 4;

    // Draws Run in F into Target, cut to the box Clip, as a copying raster
    // operation does, when that is a copy of premixed pixels: the font is
    // upright, the text short and its spacing moderate, every glyph a cached
    // one, and the pixels the text may touch inside Clip all one value (top
    // byte included), and the text was met before since the table last
    // started over. Returns false and leaves Target as it was otherwise.
    bool Draw(Bitmap& Target, const RECT& Clip, const Font& F, const TextRun& Run);

    // Cells whose pixels were made since construction; lets tests see that
    // the table is used.
    std::size_t Made() const { return FMade; }

private:
    // Everything but the background that decides a cell's pixels.
    struct Key {
        std::uint64_t Hash = 0;
        std::uint8_t FontSlot = 0;
        bool Opaque = false;
        int ExtraSpacing = 0;
        std::uint32_t Ink = 0;
        std::uint32_t BoxPixel = 0;
        std::string_view Text;
    };
    // Where a text may touch pixels, from the start of its baseline.
    struct Box {
        int Left = 0, Top = 0, Right = 0, Bottom = 0;
        std::size_t Pixels() const {
            return static_cast<std::size_t>(Right - Left) * static_cast<std::size_t>(Bottom - Top);
        }
    };
    static constexpr std::size_t NoPixels = ~std::size_t{0};
    struct Entry {
        bool Used = false;
        // Not for premixing (a turned or drawn outline glyph, a bar, too
        // many pixels): asked again only after the table starts over.
        bool Declined = false;
        // Met once: neither measured nor premixed yet.
        bool Seen = false;
        std::uint8_t FontSlot = 0;
        bool Opaque = false;
        std::uint8_t Length = 0;
        int ExtraSpacing = 0;
        std::uint64_t Hash = 0;
        std::uint32_t Ink = 0;
        std::uint32_t BoxPixel = 0;
        std::uint32_t Back = 0;
        long long Width = 0; // the text's extent along the baseline
        Box Extent;
        std::size_t Offset = NoPixels; // of the pixels in the pool, if made
        std::array<char, MaxText> Text{};
    };

    std::size_t UseFont(const Font& F);
    static bool Matches(const Entry& E, const Key& K);
    std::size_t FirstSlot(const Key& K) const;
    Entry& Insert(const Key& K, long long Width, const Box& Extent);
    // Where the text inks, and whether it can be premixed at all.
    static std::optional<Box> Measure(const Font& F, const TextRun& Run);
    const std::uint32_t* Pixels(const Font& F, const TextRun& Run, const Key& K, long long Width,
                                const Box& Extent, std::uint32_t Back);
    void Clear();

    std::vector<Entry> FEntries;      // Slots entries, open addressing, made on first use
    std::vector<std::uint32_t> FPool; // PoolPixels reserved on first use
    std::size_t FCount = 0;
    HeldFonts<MaxFonts> FFonts;
    std::size_t FMade = 0;
};

} // namespace vur::gdi
