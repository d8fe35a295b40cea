#include "app/super/SuperColours.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SuperColoursTest, FadeLastsLongerTheSmallerTheFactor) {
    struct Case {
        int factor;
        int ms;
    };
    for (const Case& c : {Case{100, 1500}, Case{20, 7500}, Case{180, 833}})
        EXPECT_EQ(FadeDurationMs(c.factor), c.ms) << c.factor;
}

TEST(SuperColoursTest, BlendMultipliesBeforeDividingAndRounds) {
    struct Case {
        int start;
        int target;
        int fraction;
        int expected;
    };
    const Case cases[] = {
        {0, 255, 128, 128}, {200, 0, 1, 199}, {10, 11, 127, 10},
        {10, 11, 128, 11},  {0, 255, 0, 0},   {7, 90, 255, 90},
    };
    for (const Case& c : cases) {
        const std::int32_t blended =
            FadeBlend(MakeColour(c.start, 0, c.start), MakeColour(c.target, 0, c.target), c.fraction);
        EXPECT_EQ(RedOf(blended), c.expected) << c.start << "->" << c.target << " at " << c.fraction;
        EXPECT_EQ(BlueOf(blended), c.expected);
        EXPECT_EQ(GreenOf(blended), 0);
    }
    EXPECT_EQ(FadeFraction(750, 1500), 127);
    EXPECT_EQ(FadeFraction(1500, 1500), 255);
}

TEST(SuperColoursTest, TargetsFollowTheKindAndTheLook) {
    const RandomDraw highest = [](int bound) { return bound - 1; };
    struct Case {
        FadeKind kind;
        FadeLook look;
        FadeColours expected;
    };
    const std::int32_t bright = MakeColour(255, 255, 255);
    const std::int32_t dark = MakeColour(127, 127, 127);
    const Case cases[] = {
        {FadeKind::Show, {false, false}, {bright, dark}}, {FadeKind::Show, {true, false}, {bright, 0}},
        {FadeKind::Show, {false, true}, {bright, dark}},  {FadeKind::Hide, {false, false}, {dark, dark}},
        {FadeKind::Melt, {true, true}, {0, 0}},           {FadeKind::Black, {false, false}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FadeTargets(c.kind, c.look, highest), c.expected) << static_cast<int>(c.kind);

    // In black and white the background takes one draw for all three components.
    int draws = 0;
    const RandomDraw counting = [&](int) { return ++draws * 10; };
    EXPECT_EQ(FadeBackground({false, true}, counting), MakeColour(10, 10, 10));
    EXPECT_EQ(FadeBackground({false, false}, counting), MakeColour(20, 30, 40));
}

} // namespace
} // namespace qor
