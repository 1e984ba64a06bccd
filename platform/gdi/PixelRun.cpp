#include "platform/gdi/PixelRun.h"

#include <array>
#include <bit>
#include <cstring>

namespace vur::gdi {

namespace {

using Vec = std::uint32_t __attribute__((vector_size(16)));
constexpr std::size_t Lanes = sizeof(Vec) / sizeof(std::uint32_t);
constexpr std::uint32_t ColourBits = 0xFFFFFF;

// Unaligned vector access without breaking aliasing rules.
Vec Load(const std::uint32_t* From) {
    Vec V;
    std::memcpy(&V, From, sizeof V);
    return V;
}
void Store(std::uint32_t* To, Vec V) { std::memcpy(To, &V, sizeof V); }

// Coverage bytes and pixels meet through casts of whole words: the first
// pixel's coverage is the lowest byte.
static_assert(std::endian::native == std::endian::little);

using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Words8 = std::uint16_t __attribute__((vector_size(16)));

// Per 16-bit lane (i c + d (255 - c) + 127) / 255. For a weighted sum v up
// to 255 * 255 and x = v + 128, that quotient is (x + (x >> 8)) >> 8, and
// x + (x >> 8) stays below 2^16, so nothing wraps.
Words8 Mix(Words8 Ink, Words8 Dest, Words8 Coverage) {
    const Words8 X = Ink * Coverage + Dest * (255 - Coverage) + 128;
    return (X + (X >> 8)) >> 8;
}

// The bytes of pixels 0-1 or 2-3 widened to 16-bit lanes. The shuffles here
// are all unpack patterns, which SSE2 has as single instructions.
Words8 LowWords(Bytes16 V) {
    return std::bit_cast<Words8>(
        __builtin_shufflevector(V, Bytes16{}, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23));
}
Words8 HighWords(Bytes16 V) {
    return std::bit_cast<Words8>(
        __builtin_shufflevector(V, Bytes16{}, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31));
}

// Four pixels under four coverage bytes (the first pixel's in the lowest
// byte of Coverage), mixed two pixels at a time; pixels under coverage 0
// keep every bit, top byte included.
Vec CoverFour(Vec Dest, Vec Ink, std::uint32_t Coverage) {
    const Words8 C = LowWords(std::bit_cast<Bytes16>(Vec{Coverage, 0, 0, 0}));
    // Pixel k's coverage twice in lane k, then in all four channel lanes.
    const auto Pairs = std::bit_cast<Vec>(__builtin_shufflevector(C, C, 0, 8, 1, 9, 2, 10, 3, 11));
    const auto CLow = std::bit_cast<Words8>(__builtin_shufflevector(Pairs, Pairs, 0, 4, 1, 5));
    const auto CHigh = std::bit_cast<Words8>(__builtin_shufflevector(Pairs, Pairs, 2, 6, 3, 7));
    const auto I = std::bit_cast<Bytes16>(Ink);
    const auto D = std::bit_cast<Bytes16>(Dest);
    const auto Low = std::bit_cast<Bytes16>(Mix(LowWords(I), LowWords(D), CLow));
    const auto High = std::bit_cast<Bytes16>(Mix(HighWords(I), HighWords(D), CHigh));
    const auto Mixed = std::bit_cast<Vec>(
        __builtin_shufflevector(Low, High, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30));
    const auto Empty = std::bit_cast<Vec>(Pairs == 0);
    return (Dest & Empty) | (Mixed & ColourBits & ~Empty);
}

// The last one to three pixels of a run, gathered into a group of their own
// padded with empty coverage.
template <typename InkOf>
void CoverTail(std::uint32_t* To, const std::uint8_t* Coverage, std::size_t Rest, InkOf InkFor) {
    std::uint32_t C = Coverage[0];
    Vec D{To[0], 0, 0, 0};
    if (Rest > 1) {
        C |= std::uint32_t{Coverage[1]} << 8;
        D[1] = To[1];
    }
    if (Rest > 2) {
        C |= std::uint32_t{Coverage[2]} << 16;
        D[2] = To[2];
    }
    if (C == 0) return;
    const Vec Out = CoverFour(D, InkFor(D), C);
    To[0] = Out[0];
    if (Rest > 1) To[1] = Out[1];
    if (Rest > 2) To[2] = Out[2];
}

// A run four pixels at a time: groups without coverage are passed over
// (glyph rows are mostly empty) and whole coverage is a plain store of the
// ink.
template <typename InkOf>
void CoverRun(std::uint32_t* To, const std::uint8_t* Coverage, std::size_t Count, InkOf InkFor) {
    std::size_t I = 0;
    for (; I + Lanes <= Count; I += Lanes) {
        std::uint32_t C;
        std::memcpy(&C, Coverage + I, sizeof C);
        if (C == 0) continue;
        const Vec D = Load(To + I);
        const Vec Ink = InkFor(D);
        Store(To + I, C == 0xFFFFFFFFu ? Ink & ColourBits : CoverFour(D, Ink, C));
    }
    if (I < Count) CoverTail(To + I, Coverage + I, Count - I, InkFor);
}

// Every bit of the two groups alike.
bool Same(Vec A, Vec B) {
    const auto Diff = std::bit_cast<std::array<std::uint64_t, 2>>(A ^ B);
    return (Diff[0] | Diff[1]) == 0;
}

template <typename InkOf>
void CoverRows(std::uint32_t* To, std::size_t Stride, const CoverageRows& Coverage, InkOf InkFor) {
    const std::uint8_t* From = Coverage.First;
    for (std::size_t Row = 0; Row < Coverage.Rows; ++Row, To += Stride, From += Coverage.Pitch)
        CoverRun(To, From, Coverage.Count, InkFor);
}

} // namespace

void FillPixels(std::uint32_t* To, std::size_t Count, std::uint32_t Pixel) {
    const Vec V = Vec{} + Pixel;
    std::size_t I = 0;
    for (; I + 4 * Lanes <= Count; I += 4 * Lanes) {
        Store(To + I, V);
        Store(To + I + Lanes, V);
        Store(To + I + 2 * Lanes, V);
        Store(To + I + 3 * Lanes, V);
    }
    for (; I + Lanes <= Count; I += Lanes) Store(To + I, V);
    for (; I < Count; ++I) To[I] = Pixel;
}

void CopyPixels(std::uint32_t* To, const std::uint32_t* From, std::size_t Count) {
    const auto Target = reinterpret_cast<std::uintptr_t>(To), Origin = reinterpret_cast<std::uintptr_t>(From);
    if (Target > Origin && Target < Origin + Count * sizeof(std::uint32_t)) {
        // Overlap with the target after the source: copy from the end back.
        std::size_t I = Count;
        for (; I >= Lanes; I -= Lanes) Store(To + I - Lanes, Load(From + I - Lanes) & ColourBits);
        while (I > 0) {
            --I;
            To[I] = From[I] & ColourBits;
        }
        return;
    }
    std::size_t I = 0;
    for (; I + 2 * Lanes <= Count; I += 2 * Lanes) {
        const Vec A = Load(From + I), B = Load(From + I + Lanes);
        Store(To + I, A & ColourBits);
        Store(To + I + Lanes, B & ColourBits);
    }
    for (; I + Lanes <= Count; I += Lanes) Store(To + I, Load(From + I) & ColourBits);
    for (; I < Count; ++I) To[I] = From[I] & ColourBits;
}

// Short labels are a few dozen pixels wide: a row is taken in groups of four
// with the last group ending on the row's last pixel, overlapping the one
// before rather than finishing pixel by pixel.
bool PlainBlock(const std::uint32_t* First, std::size_t Stride, std::size_t Count, std::size_t Rows,
                std::uint32_t Pixel) {
    if (Count < Lanes) {
        for (std::size_t Row = 0; Row < Rows; ++Row, First += Stride)
            for (std::size_t I = 0; I < Count; ++I)
                if (First[I] != Pixel) return false;
        return true;
    }
    const Vec P = Vec{} + Pixel;
    const std::size_t Last = Count - Lanes;
    for (std::size_t Row = 0; Row < Rows; ++Row, First += Stride) {
        Vec Diff = Load(First + Last) ^ P;
        for (std::size_t I = 0; I < Last; I += Lanes) Diff |= Load(First + I) ^ P;
        if (!Same(Diff, Vec{})) return false;
    }
    return true;
}

void CopyBlock(std::uint32_t* To, std::size_t Stride, const std::uint32_t* From, std::size_t Pitch,
               std::size_t Count, std::size_t Rows) {
    if (Count < Lanes) {
        for (std::size_t Row = 0; Row < Rows; ++Row, To += Stride, From += Pitch)
            for (std::size_t I = 0; I < Count; ++I) To[I] = From[I];
        return;
    }
    const std::size_t Last = Count - Lanes;
    for (std::size_t Row = 0; Row < Rows; ++Row, To += Stride, From += Pitch) {
        const Vec End = Load(From + Last);
        for (std::size_t I = 0; I < Last; I += Lanes) Store(To + I, Load(From + I));
        Store(To + Last, End);
    }
}

void CoverPixels(std::uint32_t* To, std::size_t Stride, const CoverageRows& Coverage, std::uint32_t Ink) {
    const Vec Pen = Vec{} + Ink;
    CoverRows(To, Stride, Coverage, [Pen](Vec) { return Pen; });
}

void CoverPixels(std::uint32_t* To, std::size_t Stride, const CoverageRows& Coverage, std::uint32_t Ink,
                 const RasterOp& Rop) {
    // The raster operation bit by bit, as RasterOp applies it to one pixel.
    const Vec P = Vec{} + Ink;
    const Vec Both = P & Rop.Both, PenOnly = P & Rop.PenOnly;
    const Vec DestOnly = ~P & Rop.DestOnly, Neither = ~P & Rop.Neither;
    CoverRows(To, Stride, Coverage,
              [=](Vec D) { return (D & Both) | (~D & PenOnly) | (D & DestOnly) | (~D & Neither); });
}

} // namespace vur::gdi
