#include "platform/Random.h"

#include <chrono>
#include <random>

namespace qor {

namespace {

std::mt19937& Engine() {
    static std::mt19937 engine;
    return engine;
}

bool g_seedFixed = false;

} // namespace

void SeedRandom(std::uint32_t seed) {
    Engine().seed(seed);
}

void SeedRandomFromClock() {
    if (g_seedFixed)
        return;
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

void FixRandomSeed(std::uint32_t seed) {
    g_seedFixed = true;
    SeedRandom(seed);
}

int RandomBelow(int bound) {
    if (bound <= 0)
        return 0;
    // Scaling a 32-bit draw to the bound keeps the sequence the same on every standard library,
    // which std::uniform_int_distribution does not promise.
    std::uint64_t draw = Engine()();
    return static_cast<int>((draw * static_cast<std::uint64_t>(bound)) >> 32);
}

} // namespace qor
