#pragma once
// The colours of the fading presentation: where each kind of fade ends and how a frame lies
// between its start and its end.

#include "page/render/TXBitmap.h"

#include <cstdint>
#include <functional>

namespace qor {

// A number in [0, bound); the program's generator unless a test fixes the draws.
using RandomDraw = std::function<int(int bound)>;
RandomDraw ProgramRandom();

// 0: the text comes up in a bright colour; 1 and 2: the text melts into the background; 3: both go
// to black.
enum class FadeKind : int { Show = 0, Melt = 1, Hide = 2, Black = 3 };

struct FadeLook {
    bool ohneHintergrund = false;
    bool schwarzWeiss = false;
};

struct FadeColours {
    std::int32_t text = 0;
    std::int32_t background = 0;
    bool operator==(const FadeColours&) const = default;
};

FadeColours FadeTargets(FadeKind kind, FadeLook look, const RandomDraw& random);
// The background a fade ends at: black without background, a grey in black and white, else dark.
std::int32_t FadeBackground(FadeLook look, const RandomDraw& random);

// One fade lasts 1.5 s at the factor 100 and stretches or shrinks with it.
int FadeDurationMs(int klassikFaktor);
// The frame's share of the way, 0..255, after `elapsed` of `duration` milliseconds.
int FadeFraction(std::int64_t elapsed, int duration);
// Each component start + (target - start) * fraction / 255, to the nearest integer.
std::int32_t FadeBlend(std::int32_t start, std::int32_t target, int fraction);

} // namespace qor
