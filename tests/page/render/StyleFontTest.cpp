#include "page/render/StyleFont.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

TEST(StyleFont, SizesMapToCharacterOrCellHeights) {
    struct SizeCase {
        int size;
        int height;
        bool cell;
    };
    const std::vector<SizeCase> cases = {
        {-5, 11, false}, {0, 11, false}, {1, 11, false}, {2, 13, false}, {3, 16, false}, {4, 19, false},
        {5, 24, false},  {6, 32, false}, {7, 48, false}, {8, 8, true},   {30, 30, true},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.size);
        TextStyle style;
        style.block.fontSize = c.size;
        const FontSpec font = StyleFont(style);
        EXPECT_EQ(font.height, c.height);
        EXPECT_EQ(font.heightIsCell, c.cell);
    }
}

TEST(StyleFont, StyleBitsAndNameCarryOver) {
    struct BitsCase {
        std::uint8_t bits;
        bool bold, italic, underline;
    };
    const std::vector<BitsCase> cases = {
        {0, false, false, false},
        {kBold, true, false, false},
        {kItalic, false, true, false},
        {kUnderline, false, false, true},
        {kBold | kItalic | kUnderline, true, true, true},
    };
    for (const BitsCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.bits));
        TextStyle style;
        style.block.styleBits = c.bits;
        style.block.fontName = "Courier New";
        const FontSpec font = StyleFont(style);
        EXPECT_EQ(font.bold, c.bold);
        EXPECT_EQ(font.italic, c.italic);
        EXPECT_EQ(font.underline, c.underline);
        EXPECT_EQ(font.name, "Courier New");
    }
}

class RecordingFonts : public FixedAdvanceFonts {
public:
    bool IsInstalled(std::string_view) const override { return true; }
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override {
        last = font;
        lastText = std::string(text);
        return {static_cast<int>(text.size()) * 7, font.height, font.height - 2, 2};
    }
    mutable FontSpec last;
    mutable std::string lastText;
};

TEST(StyleFont, MeasureTextAsksTheFontServiceWithTheStylesFont) {
    RecordingFonts fonts;
    SetFontService(&fonts);
    TextStyle style;
    style.block.fontSize = 5;
    style.block.styleBits = kBold;
    const TextMetrics metrics = MeasureText("Haus", style);
    SetFontService(nullptr);
    EXPECT_EQ(metrics.width, 28);
    EXPECT_EQ(metrics.height, 24);
    EXPECT_EQ(fonts.lastText, "Haus");
    EXPECT_TRUE(fonts.last.bold);
    EXPECT_EQ(fonts.last.height, 24);
}

} // namespace
} // namespace qor
