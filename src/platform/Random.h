#pragma once
// The program's one random generator: seeded from the clock at start-up, fixed in tests.

#include <cstdint>

namespace qor {

void SeedRandom(std::uint32_t seed);
void SeedRandomFromClock();
// A number in [0, bound) (0 when bound <= 0).
int RandomBelow(int bound);

} // namespace qor
