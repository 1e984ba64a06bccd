#include "framework/Random.h"

#include "platform/sys/Clock.h"

namespace vur {

std::uint32_t GeneratorSeed = 0;

int DrawRandom(int Range) {
    GeneratorSeed = GeneratorSeed * 134775813u + 1u;
    const std::uint64_t Product =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(Range)) * GeneratorSeed;
    return static_cast<int>(static_cast<std::uint32_t>(Product >> 32));
}

int DrawRandomBetween(int From, int To) {
    // Unsigned arithmetic: bounds far apart wrap like the 32-bit original instead of overflowing.
    const auto F = static_cast<std::uint32_t>(From);
    const auto T = static_cast<std::uint32_t>(To);
    if (To >= From)
        return static_cast<int>(static_cast<std::uint32_t>(DrawRandom(static_cast<int>(T - F))) + F);
    return static_cast<int>(static_cast<std::uint32_t>(DrawRandom(static_cast<int>(F - T))) + T);
}

void SeedRandomFromClock() {
    const sys::SystemTime Now = sys::CurrentClock().UtcTime();
    GeneratorSeed = static_cast<std::uint32_t>(((Now.Hour * 60 + Now.Minute) * 60 + Now.Second) * 1000 +
                                               Now.Milliseconds);
}

} // namespace vur
