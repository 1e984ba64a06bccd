// The innermost loops of fills and transfers: a run of one pixel value, a
// run copied from another row with the top byte cleared (drawing never
// writes alpha), and ink laid over pixels by coverage. All three work in
// 16-byte vectors; a plain loop of 32-bit stores is several times slower and
// the compilers do not widen it at -O2.
#pragma once

#include "platform/gdi/RasterOp.h"

#include <cstddef>
#include <cstdint>

namespace vur::gdi {

void FillPixels(std::uint32_t* To, std::size_t Count, std::uint32_t Pixel);

// The two runs may overlap (a transfer within one bitmap); the result is as
// if From were read in full before To is written.
void CopyPixels(std::uint32_t* To, const std::uint32_t* From, std::size_t Count);

// Whether every pixel of the block whose first row starts at First, Rows
// rows of Count pixels Stride apart, equals Pixel in all 32 bits; stops at
// the first row that does not.
bool PlainBlock(const std::uint32_t* First, std::size_t Stride, std::size_t Count, std::size_t Rows,
                std::uint32_t Pixel);

// Copies a block of Rows rows of Count pixels, every bit, from rows Pitch
// pixels apart to rows Stride pixels apart; the two must not overlap.
void CopyBlock(std::uint32_t* To, std::size_t Stride, const std::uint32_t* From, std::size_t Pitch,
               std::size_t Count, std::size_t Rows);

// Coverage of a block of pixels: Rows rows of Count bytes, the first at
// First and each Pitch bytes after the one before.
struct CoverageRows {
    const std::uint8_t* First = nullptr;
    std::size_t Pitch = 0;
    std::size_t Count = 0;
    std::size_t Rows = 0;
};

// Lays Ink over the block whose first row starts at To, rows Stride pixels
// apart, by the coverage bytes: 0 leaves a pixel as it is, anything else
// writes per channel (ink c + dest (255 - c) + 127) / 255 with the top byte
// 0, so 255 stores the ink.
void CoverPixels(std::uint32_t* To, std::size_t Stride, const CoverageRows& Coverage, std::uint32_t Ink);
// The same with the ink of each pixel Rop(Ink, pixel).
void CoverPixels(std::uint32_t* To, std::size_t Stride, const CoverageRows& Coverage, std::uint32_t Ink,
                 const RasterOp& Rop);

} // namespace vur::gdi
