#include "platform/gdi/PixelRun.h"

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

} // namespace vur::gdi
