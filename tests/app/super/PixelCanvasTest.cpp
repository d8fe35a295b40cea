#include "app/super/PixelCanvas.h"

#include "page/render/TXBitmap.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

TEST(PixelCanvasTest, TheBandReplacesItsRowsOnlyAndReportsThem) {
    constexpr int kWidth = 40;
    constexpr int kHeight = 20;
    std::vector<std::uint8_t> pixels(kWidth * kHeight * 3, 0);
    PixelSurface surface{pixels.data(), kWidth, kHeight, kWidth * 3};
    FixedAdvanceFonts fonts;
    std::vector<ClipRect> changed;
    PixelCanvas canvas(surface, fonts, [&](const ClipRect& rect) { changed.push_back(rect); });

    canvas.Clear(MakeColour(1, 2, 3));
    FontSpec font;
    font.height = 4;
    canvas.PaintBand(15, 8, MakeColour(200, 100, 50), font, "", 0);
    struct Row {
        int y;
        int red;
        int blue;
    };
    for (const Row& row : {Row{0, 1, 3}, Row{14, 1, 3}, Row{15, 200, 50}, Row{19, 200, 50}}) {
        const std::uint8_t* pixel = pixels.data() + row.y * kWidth * 3 + 3 * (kWidth - 1);
        EXPECT_EQ(pixel[2], row.red) << row.y;
        EXPECT_EQ(pixel[0], row.blue) << row.y;
    }
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[1].y, 15);
    EXPECT_EQ(changed[1].height, 8);
}

} // namespace
} // namespace qor
