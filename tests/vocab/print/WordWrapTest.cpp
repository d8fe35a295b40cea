#include "vocab/print/WordWrap.h"

#include "vocab/print/RecordingPrintSurface.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(WordWrap, BreaksAtBlanksAndNeverSplitsAWord) {
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    // Ten units a character.
    const std::vector<Case> cases = {
        {"", 50, {""}},
        {"abc def", 70, {"abc def"}},
        {"abc def", 60, {"abc ", "def"}},
        {"abcdefghij", 50, {"abcdefghij"}},
        {"ab abcdefghij cd", 50, {"ab ", "abcdefghij ", "cd"}},
        {"a b c d e f", 40, {"a b ", "c d ", "e f"}},
    };
    test::RecordingPrintSurface surface;
    surface.SetFont("Arial", 20, false, false);
    for (const Case& c : cases)
        EXPECT_EQ(WordWrap(c.text, c.width, surface), c.lines) << c.text << " in " << c.width;
    EXPECT_EQ(WordWrap("a b c", 10, surface, 2), (std::vector<std::string>{"a ", "b "}));
}

} // namespace
} // namespace qor
