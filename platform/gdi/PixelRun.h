// The innermost loops of fills and transfers: a run of one pixel value, and
// a run copied from another row with the top byte cleared (drawing never
// writes alpha). Both work in 16-byte vectors; a plain loop of 32-bit stores
// is several times slower and the compilers do not widen it at -O2.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vur::gdi {

void FillPixels(std::uint32_t* To, std::size_t Count, std::uint32_t Pixel);

// The two runs may overlap (a transfer within one bitmap); the result is as
// if From were read in full before To is written.
void CopyPixels(std::uint32_t* To, const std::uint32_t* From, std::size_t Count);

} // namespace vur::gdi
