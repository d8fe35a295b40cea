#include "app/super/SuperColours.h"

#include "platform/Random.h"

#include <cmath>

namespace qor {

RandomDraw ProgramRandom() {
    return [](int bound) { return RandomBelow(bound); };
}

std::int32_t FadeBackground(FadeLook look, const RandomDraw& random) {
    if (look.ohneHintergrund)
        return 0;
    if (look.schwarzWeiss) {
        const int grey = random(128);
        return MakeColour(grey, grey, grey);
    }
    const int red = random(128);
    const int green = random(128);
    const int blue = random(128);
    return MakeColour(red, green, blue);
}

FadeColours FadeTargets(FadeKind kind, FadeLook look, const RandomDraw& random) {
    FadeColours targets;
    switch (kind) {
    case FadeKind::Show:
        if (look.schwarzWeiss) {
            targets.text = MakeColour(255, 255, 255);
        } else {
            const int red = 128 + random(128);
            const int green = 128 + random(128);
            const int blue = 128 + random(128);
            targets.text = MakeColour(red, green, blue);
        }
        targets.background = FadeBackground(look, random);
        break;
    case FadeKind::Melt:
    case FadeKind::Hide:
        targets.background = FadeBackground(look, random);
        targets.text = targets.background;
        break;
    case FadeKind::Black:
        break;
    }
    return targets;
}

int FadeDurationMs(int klassikFaktor) {
    return klassikFaktor > 0 ? 1500 * 100 / klassikFaktor : 1500;
}

int FadeFraction(std::int64_t elapsed, int duration) {
    if (duration <= 0 || elapsed >= duration)
        return 255;
    if (elapsed <= 0)
        return 0;
    return static_cast<int>(255 * elapsed / duration);
}

namespace {
int BlendComponent(int start, int target, int fraction) {
    return start + static_cast<int>(std::lround((target - start) * fraction / 255.0));
}
} // namespace

std::int32_t FadeBlend(std::int32_t start, std::int32_t target, int fraction) {
    return MakeColour(BlendComponent(RedOf(start), RedOf(target), fraction),
                      BlendComponent(GreenOf(start), GreenOf(target), fraction),
                      BlendComponent(BlueOf(start), BlueOf(target), fraction));
}

} // namespace qor
