// The innermost loops of fills and transfers: a run of one pixel value, a
// run copied from another row with the top byte cleared (drawing never
// writes alpha), and one pixel partly covered by ink. The runs work in
// 16-byte vectors; a plain loop of 32-bit stores is several times slower and
// the compilers do not widen it at -O2.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vur::gdi {

void FillPixels(std::uint32_t* To, std::size_t Count, std::uint32_t Pixel);

// The two runs may overlap (a transfer within one bitmap); the result is as
// if From were read in full before To is written.
void CopyPixels(std::uint32_t* To, const std::uint32_t* From, std::size_t Count);

// Per channel (ink c + dest (255 - c) + 127) / 255 for coverage c; top byte 0.
inline std::uint32_t CoverPixel(std::uint32_t Ink, std::uint32_t Dest, unsigned Coverage) {
    // Red and blue side by side in one word: each sum stays below 2^16, and
    // for v below 65153, v / 255 is (v + 1 + v / 256) / 256.
    const unsigned Rest = 255 - Coverage;
    const auto Divide = [](std::uint32_t V) {
        return ((V + 0x00010001u + ((V >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    };
    const std::uint32_t RedBlue = (Ink & 0xFF00FFu) * Coverage + (Dest & 0xFF00FFu) * Rest + 0x007F007Fu;
    const std::uint32_t Green = ((Ink >> 8) & 0xFFu) * Coverage + ((Dest >> 8) & 0xFFu) * Rest + 0x7Fu;
    return Divide(RedBlue) | Divide(Green) << 8;
}

} // namespace vur::gdi
