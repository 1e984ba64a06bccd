#include "framework/Filer.h"

#include "framework/Exceptions.h"

#include <bit>
#include <cstring>

namespace vur {

void CheckFilerNesting(int Depth) {
    if (Depth > MaxFilerNesting)
        throw EReadError("Stream nests deeper than " + std::to_string(MaxFilerNesting) + " levels");
}

// The 80-bit extended format of tag 5: sign and 15-bit exponent (bias 16383)
// in the last two bytes, little-endian; a 64-bit significand before them
// whose top bit is the integer bit.
namespace {
constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;

TExtended80 Pack(bool Negative, unsigned Exponent, std::uint64_t Significand) {
    TExtended80 Bytes{};
    for (int I = 0; I < 8; ++I)
        Bytes[static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Significand >> (8 * I));
    const unsigned High = (Negative ? 0x8000u : 0u) | (Exponent & 0x7FFFu);
    Bytes[8] = static_cast<std::uint8_t>(High);
    Bytes[9] = static_cast<std::uint8_t>(High >> 8);
    return Bytes;
}

double FromBits(bool Negative, std::uint64_t Magnitude) {
    return std::bit_cast<double>((Negative ? TopBit : 0) | Magnitude);
}
} // namespace

TExtended80 DoubleToExtended(double Value) {
    const auto Bits = std::bit_cast<std::uint64_t>(Value);
    const bool Negative = (Bits & TopBit) != 0;
    const unsigned Exponent = static_cast<unsigned>((Bits >> 52) & 0x7FF);
    const std::uint64_t Fraction = Bits & ((std::uint64_t{1} << 52) - 1);
    if (Exponent == 0x7FF) return Pack(Negative, 0x7FFF, TopBit | (Fraction << 11));
    if (Exponent == 0) {
        if (Fraction == 0) return Pack(Negative, 0, 0);
        // A subnormal double is a normal extended: Fraction * 2^-1074.
        const int High = 63 - std::countl_zero(Fraction);
        return Pack(Negative, static_cast<unsigned>(High - 1074 + 16383), Fraction << (63 - High));
    }
    return Pack(Negative, Exponent - 1023 + 16383, TopBit | (Fraction << 11));
}

double ExtendedToDouble(const TExtended80& Bytes) {
    std::uint64_t Significand = 0;
    for (int I = 7; I >= 0; --I) Significand = (Significand << 8) | Bytes[static_cast<std::size_t>(I)];
    const unsigned High = static_cast<unsigned>(Bytes[8]) | (static_cast<unsigned>(Bytes[9]) << 8);
    const bool Negative = (High & 0x8000u) != 0;
    const int Exponent = static_cast<int>(High & 0x7FFFu);
    constexpr std::uint64_t Infinity = std::uint64_t{0x7FF} << 52;
    if (Exponent == 0x7FFF) {
        if ((Significand << 1) == 0) return FromBits(Negative, Infinity);
        return FromBits(Negative, Infinity | (std::uint64_t{1} << 51) | ((Significand << 1) >> 12));
    }
    if (Significand == 0) return FromBits(Negative, 0);
    // Value = Significand * 2^(E - 16383 - 63), E at least 1 (denormals share the smallest exponent).
    const int Shift = std::countl_zero(Significand);
    Significand <<= Shift;
    const int Unbiased = (Exponent == 0 ? 1 : Exponent) - 16383 - Shift;
    if (Unbiased > 1023) return FromBits(Negative, Infinity);
    if (Unbiased >= -1022) {
        std::uint64_t Kept = Significand >> 11;
        const std::uint64_t Rest = Significand & 0x7FF;
        int Biased = Unbiased + 1023;
        if (Rest > 0x400 || (Rest == 0x400 && (Kept & 1) != 0)) {
            ++Kept;
            if (Kept == (std::uint64_t{1} << 53)) {
                Kept >>= 1;
                ++Biased;
                if (Biased > 2046) return FromBits(Negative, Infinity);
            }
        }
        return FromBits(Negative,
                        (static_cast<std::uint64_t>(Biased) << 52) | (Kept & ((std::uint64_t{1} << 52) - 1)));
    }
    // Subnormal: the value in units of 2^-1074 is Significand >> Drop.
    const int Drop = 63 - (Unbiased + 1074);
    if (Drop > 64) return FromBits(Negative, 0);
    if (Drop == 64) return FromBits(Negative, Significand > TopBit ? 1 : 0);
    std::uint64_t Kept = Significand >> Drop;
    const std::uint64_t Rest = Significand & ((std::uint64_t{1} << Drop) - 1);
    const std::uint64_t Half = std::uint64_t{1} << (Drop - 1);
    if (Rest > Half || (Rest == Half && (Kept & 1) != 0)) ++Kept;
    return FromBits(Negative, Kept);
}

} // namespace vur
