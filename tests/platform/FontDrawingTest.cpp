#include "platform/Fonts.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

struct Canvas {
    explicit Canvas(int width, int height)
        : pixels(static_cast<std::size_t>(Stride(width)) * height, 0), surface{pixels.data(), width, height,
                                                                               Stride(width)} {}
    static std::size_t Stride(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    }
    std::int32_t At(int x, int y) const {
        const std::uint8_t* p = pixels.data() + y * surface.stride + 3 * x;
        return p[2] | (p[1] << 8) | (p[0] << 16);
    }
    std::vector<std::uint8_t> pixels;
    PixelSurface surface;
};

TEST(FixedAdvanceDrawing, BlocksStandWhereTheCharactersAre) {
    FixedAdvanceFonts fonts;
    FontSpec font; // height 16: advance 8, ascent 12
    Canvas canvas(40, 20);
    fonts.DrawText(canvas.surface, 2, 3, font, "a b", 0x0000FF);
    struct Probe {
        int x, y;
        std::int32_t expected;
    };
    const std::vector<Probe> probes = {
        {2, 3, 0x0000FF},  // first character, top-left
        {8, 14, 0x0000FF}, // first character, last column and row of its block
        {9, 3, 0},         // the gap between blocks
        {2, 15, 0},        // below the baseline
        {12, 5, 0},        // the blank draws nothing
        {18, 5, 0x0000FF}, // third character
        {1, 5, 0},         // left of the text
    };
    for (const Probe& p : probes)
        EXPECT_EQ(canvas.At(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST(FixedAdvanceDrawing, ClipsToTheSurfaceAndTheClipRectangle) {
    FixedAdvanceFonts fonts;
    FontSpec font;
    Canvas canvas(10, 10);
    fonts.DrawText(canvas.surface, -4, -4, font, "abc", 0xFFFFFF); // partly outside: no crash
    EXPECT_EQ(canvas.At(0, 0), 0xFFFFFF);
    Canvas clipped(30, 20);
    ClipRect clip{0, 0, 5, 20};
    fonts.DrawText(clipped.surface, 0, 0, font, "ab", 0x00FF00, &clip);
    EXPECT_EQ(clipped.At(4, 4), 0x00FF00);
    EXPECT_EQ(clipped.At(5, 4), 0);
    EXPECT_EQ(clipped.At(10, 4), 0);
}

} // namespace
} // namespace qor
