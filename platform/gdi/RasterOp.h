// Binary raster operations: how a pen or brush colour P meets the pixel D
// already there. The code minus one is the operation's truth table (bit 3:
// P and D set, bit 2: P only, bit 1: D only, bit 0: neither), so all sixteen
// reduce to four masks. Only the 24 colour bits take part; the top byte of a
// written pixel is 0.
#pragma once

#include <cstdint>

namespace vur::gdi {

constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

struct RasterOp {
    std::uint32_t Both = 0, PenOnly = 0, DestOnly = 0, Neither = 0;

    explicit RasterOp(int Rop2) {
        const unsigned Table = static_cast<unsigned>(Rop2 - 1) & 15u;
        Both = Table & 8u ? 0xFFFFFFu : 0;
        PenOnly = Table & 4u ? 0xFFFFFFu : 0;
        DestOnly = Table & 2u ? 0xFFFFFFu : 0;
        Neither = Table & 1u ? 0xFFFFFFu : 0;
    }
    std::uint32_t operator()(std::uint32_t P, std::uint32_t D) const {
        return (P & D & Both) | (P & ~D & PenOnly) | (~P & D & DestOnly) | (~P & ~D & Neither);
    }
};

} // namespace vur::gdi
