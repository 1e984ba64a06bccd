// Reads a fuzz input as a stream of choices, one read after another (take
// them into variables first where C++ leaves the order of arguments open). Every read succeeds: past the
// end of the data it yields zeros and empty texts, so any byte string is a
// valid program of calls. Numbers favour the values where faults live (the
// ends of int, zero, non-finite doubles) over uniform bit patterns.
#pragma once

#include "framework/Exceptions.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace vur::fuzz {

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}

    bool Empty() const { return FPos >= FSize; }

    std::uint8_t Byte() { return Empty() ? 0 : FData[FPos++]; }

    bool Bool() { return (Byte() & 1) != 0; }

    // Lo..Hi inclusive; Hi - Lo must be below 2^16.
    int Small(int Lo, int Hi) {
        const unsigned Span = static_cast<unsigned>(Hi - Lo) + 1;
        unsigned Raw = Byte();
        if (Span > 256) Raw |= static_cast<unsigned>(Byte()) << 8;
        return Lo + static_cast<int>(Raw % Span);
    }

    // Any int, one in four times an edge of the range.
    int Int() {
        static constexpr int Edges[] = {0, 1, -1, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1, 1 << 20};
        const std::uint8_t Kind = Byte();
        if (Kind % 4 == 0) return Edges[(Kind / 4) % std::size(Edges)];
        std::uint32_t Bits = 0;
        for (int I = 0; I < 4; ++I) Bits = Bits << 8 | Byte();
        // Mostly small magnitudes: the low bits decide.
        if (Kind % 4 == 1) return static_cast<std::int8_t>(Bits);
        if (Kind % 4 == 2) return static_cast<std::int16_t>(Bits);
        return static_cast<int>(Bits);
    }

    // Any double, one in four times a value from the edges of the type.
    double Double() {
        constexpr double Inf = std::numeric_limits<double>::infinity();
        static constexpr double Edges[] = {0.0,
                                           -0.0,
                                           1.0,
                                           -1.0,
                                           0.5,
                                           1e-300,
                                           4.9e-324,
                                           1e300,
                                           1.7976931348623157e308,
                                           -1.7976931348623157e308,
                                           Inf,
                                           -Inf,
                                           std::numeric_limits<double>::quiet_NaN(),
                                           45000.5,
                                           2147483648.0,
                                           9.2233720368547758e18};
        const std::uint8_t Kind = Byte();
        if (Kind % 4 == 0) return Edges[(Kind / 4) % std::size(Edges)];
        if (Kind % 4 == 1) return static_cast<std::int8_t>(Byte()) / 4.0;
        if (Kind % 4 == 2) {
            const unsigned Low = Byte();
            return static_cast<std::int16_t>(Low | static_cast<unsigned>(Byte()) << 8) * 0.37;
        }
        std::uint64_t Bits = 0;
        for (int I = 0; I < 8; ++I) Bits = Bits << 8 | Byte();
        double Value;
        std::memcpy(&Value, &Bits, sizeof Value);
        return Value;
    }

    // A text of up to MaxLength characters, its length read first.
    std::string Text(std::size_t MaxLength) {
        const std::size_t Length = std::min<std::size_t>(Byte(), MaxLength);
        std::string Result;
        while (Result.size() < Length && !Empty()) Result += static_cast<char>(Byte());
        return Result;
    }

    // What is left, as text.
    std::string Rest() {
        std::string Result(reinterpret_cast<const char*>(FData + FPos), FSize - std::min(FPos, FSize));
        FPos = FSize;
        return Result;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

// Runs Body, taking the engine's refusals (any vur::Exception) as a normal
// outcome. Anything else that escapes is a fault and reaches the fuzzer.
template <class TBody>
void Refusable(TBody&& Body) {
    try {
        Body();
    } catch (const Exception&) {
    }
}

} // namespace vur::fuzz
