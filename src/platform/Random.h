#pragma once
// The program's one random generator: seeded from the clock at start-up, fixed in tests.

#include <cstdint>

namespace qor {

void SeedRandom(std::uint32_t seed);
// Reseeds from the clock, unless the seed was fixed.
void SeedRandomFromClock();
// Seeds with `seed` and keeps the clock out from then on, so that a scripted run draws the same
// numbers every time (a query or a verb series reseeds at its start).
void FixRandomSeed(std::uint32_t seed);
// A number in [0, bound) (0 when bound <= 0).
int RandomBelow(int bound);

} // namespace qor
