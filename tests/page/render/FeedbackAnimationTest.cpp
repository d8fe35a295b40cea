// The frames of the feedback animation.

#include "page/render/FeedbackAnimation.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

int CountNonBlack(const TXBitmap& bitmap, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            count += bitmap.Pixel(x, y) != 0 ? 1 : 0;
        }
    }
    return count;
}

TEST(FeedbackAnimationTest, DrawsTextAndSpecksInsideTheField) {
    SetFontService(nullptr);
    SeedRandom(11);
    FeedbackAnimation animation(400, 300, "Super");
    animation.Begin();
    const int startX = animation.TextX();
    // Fixed-advance fonts: 48 pixels high, 24 wide per character.
    EXPECT_EQ(startX, (400 - 5 * 24) / 2);
    EXPECT_EQ(animation.TextY(), (300 - 48) / 2);
    EXPECT_EQ(animation.Bitmap().Pixel(startX + 2, animation.TextY() + 5), 0xFFFFFF);
    animation.Frame();
    EXPECT_LE(std::abs(animation.TextX() - startX), 2);
    // Nothing outside the inner field changes after the first picture.
    EXPECT_EQ(CountNonBlack(animation.Bitmap(), 0, 0, 400, FeedbackAnimation::kInsetY - 0), 0);
    EXPECT_GT(CountNonBlack(animation.Bitmap(), 80, 50, 320, 250), 0);
}

TEST(FeedbackAnimationTest, RunsUntilTheTimeHasPassed) {
    SetFontService(nullptr);
    long long now = 0;
    int presented = 0;
    FeedbackAnimation animation(200, 150, "Ja");
    const int frames = animation.Run(
        100, [&now] { return now += 7; },
        [&](const TXBitmap& frame) {
            EXPECT_TRUE(animation.Busy());
            EXPECT_EQ(frame.Width(), 200);
            ++presented;
        });
    EXPECT_EQ(frames, presented);
    EXPECT_EQ(frames, 14); // start at 7, frames while the clock is below 107
    EXPECT_FALSE(animation.Busy());
}

} // namespace
} // namespace qor
