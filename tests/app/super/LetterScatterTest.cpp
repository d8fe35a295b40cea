#include "app/super/LetterScatter.h"

#include "SuperFakes.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

const RandomDraw kZero = [](int) { return 0; };

TEST(LetterScatterTest, AtTheLowestLevelTheLettersStandInARow) {
    test::RecordingCanvas canvas;
    LetterScatter letters(canvas, kZero, {1, 0, 0xFFFFFF});
    ASSERT_TRUE(letters.Draw("abc", {}));
    // 600 / 32 = 18 points = 24 pixels high, 12 wide in the fixed fonts.
    ASSERT_EQ(canvas.chars.size(), 3u);
    // The start may touch the top; the letters after it are kept off the edge.
    const int xs[] = {0, 12, 24};
    const int ys[] = {0, 10, 10};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(canvas.chars[i].x, xs[i]);
        EXPECT_EQ(canvas.chars[i].y, ys[i]);
    }
}

TEST(LetterScatterTest, LineBreaksNearTheRightEdgeAndStopsWhenAsked) {
    test::RecordingCanvas canvas;
    LetterScatter letters(canvas, kZero, {2, 0, 0xFFFFFF});
    // 70 letters of 12 pixels (+2 extra each) are wider than the window: the row wraps.
    const std::string text(70, 'm');
    ASSERT_TRUE(letters.Draw(text, {}));
    int rows = 1;
    for (std::size_t i = 1; i < canvas.chars.size(); ++i)
        if (canvas.chars[i].y > canvas.chars[i - 1].y)
            ++rows;
    EXPECT_GE(rows, 2);
    for (const test::DrawnChar& drawn : canvas.chars)
        EXPECT_LT(drawn.x, canvas.Width());

    canvas.chars.clear();
    int pauses = 0;
    EXPECT_FALSE(letters.Draw("abcdef", [&] { return ++pauses == 2; }));
    EXPECT_EQ(canvas.chars.size(), 2u);
}

TEST(LetterScatterTest, AnEmptyTextClearsTheWindow) {
    test::RecordingCanvas canvas;
    LetterScatter letters(canvas, kZero, {9, 0, 0x123456});
    EXPECT_TRUE(letters.Draw("", {}));
    EXPECT_EQ(canvas.clears, (std::vector<std::int32_t>{0x123456}));
    EXPECT_TRUE(canvas.chars.empty());
}

TEST(LetterScatterTest, TheHighestLevelCapitalisesSomeLetters) {
    test::RecordingCanvas canvas;
    LetterScatter letters(canvas, kZero, {10, 0, 0xFFFFFF});
    ASSERT_TRUE(letters.Draw("ab", {}));
    ASSERT_EQ(canvas.chars.size(), 2u);
    EXPECT_EQ(canvas.chars[0].character, 'A') << "a draw of 0 is below 6 %";
}

} // namespace
} // namespace qor
