// The program-wide pseudo-random generator: a 32-bit linear congruential
// sequence, seeded once from the UTC time of day.
#pragma once

#include <cstdint>

namespace vur {

// The generator's state; tests set it to replay a known sequence.
extern std::uint32_t GeneratorSeed;

// Steps the generator and returns an integer in [0, Range) for a positive Range
// (the high 32 bits of Range x seed, Range taken as unsigned).
int DrawRandom(int Range);
// From the lower bound (included) to the upper one (excluded), in either order.
int DrawRandomBetween(int From, int To);
// Seeds with the milliseconds since midnight UTC of the current clock.
void SeedRandomFromClock();

} // namespace vur
