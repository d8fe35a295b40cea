#include "page/render/TXBitmap.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

struct Bgr {
    int blue, green, red;
};

Bgr PixelBgr(const TXBitmap& bitmap, int x, int y) {
    const Colour c = bitmap.Pixel(x, y);
    return {BlueOf(c), GreenOf(c), RedOf(c)};
}

TXBitmap Solid(int width, int height, Colour colour) {
    TXBitmap bitmap(width, height);
    bitmap.Fill(colour, ColourOrder::BlueHigh);
    return bitmap;
}

// A picture whose every pixel differs, so that a misplaced copy shows.
TXBitmap Gradient(int width, int height, int seed) {
    TXBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.SetPixel(
                x, y, MakeColour((x * 37 + seed) & 0xFF, (y * 53 + seed * 3) & 0xFF, (x * y + seed) & 0xFF));
        }
    }
    return bitmap;
}

void ExpectSame(const TXBitmap& a, const TXBitmap& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << "at " << x << "," << y;
        }
    }
}

TEST(TXBitmap, SizesAreClampedAndStartBlack) {
    TXBitmap huge(TXBitmap::kMaxSide + 5000, 2);
    EXPECT_EQ(huge.Width(), TXBitmap::kMaxSide);
    EXPECT_EQ(huge.Height(), 2);
    EXPECT_EQ(huge.Pixel(100, 1), 0);

    TXBitmap negative(-3, 5);
    EXPECT_TRUE(negative.Empty());
    negative.Fill(0xFFFFFF, ColourOrder::BlueHigh); // nothing to fill, must not crash

    TXBitmap small(3, 2);
    small.SetPixel(2, 1, 0x123456);
    EXPECT_EQ(small.Pixel(2, 1), 0x123456);
    small.SetPixel(3, 1, 0xFFFFFF); // outside: ignored
    small.SetPixel(-1, 0, 0xFFFFFF);
    EXPECT_EQ(small.Pixel(3, 1), 0);
    EXPECT_EQ(small.Pixel(0, 0), 0);
    small.Resize(4, 4);
    EXPECT_EQ(small.Pixel(2, 1), 0);
}

TEST(TXBitmap, XAlphaIsClampedAndTintDefaultsToRed) {
    TXBitmap bitmap(1, 1);
    EXPECT_EQ(bitmap.XAlpha(), 255);
    EXPECT_EQ(RedOf(bitmap.XColor()), 255);
    EXPECT_EQ(GreenOf(bitmap.XColor()), 0);
    EXPECT_EQ(BlueOf(bitmap.XColor()), 0);
    const std::vector<std::pair<int, int>> cases = {{300, 255}, {256, 255}, {255, 255}, {128, 128},
                                                    {0, 0},     {-1, 0},    {-500, 0}};
    for (const auto& [given, stored] : cases) {
        bitmap.SetXAlpha(given);
        EXPECT_EQ(bitmap.XAlpha(), stored) << given;
    }
}

TEST(TXBitmap, FillReadsBothColourOrders) {
    TXBitmap bitmap(3, 2);
    bitmap.Fill(0x112233, ColourOrder::RedHigh);
    EXPECT_EQ(PixelBgr(bitmap, 2, 1).red, 0x11);
    EXPECT_EQ(PixelBgr(bitmap, 2, 1).green, 0x22);
    EXPECT_EQ(PixelBgr(bitmap, 2, 1).blue, 0x33);
    bitmap.Fill(0x112233, ColourOrder::BlueHigh);
    EXPECT_EQ(PixelBgr(bitmap, 0, 0).red, 0x33);
    EXPECT_EQ(PixelBgr(bitmap, 0, 0).blue, 0x11);
    // The raw rows are blue, green, red.
    EXPECT_EQ(bitmap.Row(1)[0], 0x11);
    EXPECT_EQ(bitmap.Row(1)[2], 0x33);
}

TEST(TXBitmap, RowsArePaddedToFourBytesLikeADeviceIndependentBitmap) {
    struct Case {
        int width;
        std::size_t stride;
    };
    for (const Case& c : std::vector<Case>{{1, 4}, {3, 12}, {4, 12}, {5, 16}, {800, 2400}}) {
        TXBitmap bitmap(c.width, 2);
        EXPECT_EQ(bitmap.Stride(), c.stride) << c.width;
        EXPECT_EQ(bitmap.Row(1) - bitmap.Row(0), static_cast<std::ptrdiff_t>(c.stride));
        // The last pixel of a row and the first of the next stay apart.
        bitmap.SetPixel(c.width - 1, 0, 0xFFFFFF);
        EXPECT_EQ(bitmap.Pixel(0, 1), 0);
        EXPECT_EQ(bitmap.Pixel(c.width - 1, 0), 0xFFFFFF);
    }
}

// Source pixel (B 30, G 60, R 210): brightness (30 + 60 + 210) / 3 = 100. Target (B 200, G 100,
// R 50). XAlpha 200, so a = 200 for modes 0 and 9+, 100 × 200 / 256 = 78 for the brightness modes
// and 155 × 200 / 256 = 121 for the inverse ones. Tint (B 40, G 220, R 10). Every channel is
// worked out by hand with an arithmetic shift (rounding towards minus infinity), for example
// mode 0 blue: 200 + (200 × (30 − 200)) >> 8 = 200 + (−34000 >> 8) = 200 − 133 = 67.
struct BlendCase {
    int mode;
    Bgr expected;
};

TEST(TXBitmap, BlendedDrawFollowsEachModesArithmetic) {
    const std::vector<BlendCase> cases = {
        {0, {67, 68, 175}},   // t + a(s − t), a = 200
        {1, {148, 87, 98}},   // a = 78
        {2, {119, 81, 125}},  // a = 121
        {3, {216, 147, 112}}, // t + (255 − t)a, a = 78
        {4, {106, 53, 27}},   // t − at, a = 121
        {5, {225, 173, 146}}, // t + (255 − t)a, a = 121
        {6, {140, 70, 35}},   // t − at, a = 78
        {7, {124, 156, 31}},  // t + (tint − t)a, a = 121
        {8, {151, 136, 37}},  // t + (tint − t)a, a = 78
        {9, {67, 68, 175}},   // as mode 0
        {200, {67, 68, 175}},
    };
    const TXBitmap source = Solid(1, 1, MakeColour(210, 60, 30));
    for (const BlendCase& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        TXBitmap target = Solid(1, 1, MakeColour(50, 100, 200));
        target.SetXAlpha(200);
        target.SetXColor(MakeColour(10, 220, 40));
        target.BlendedDraw(0, 0, c.mode, source);
        const Bgr got = PixelBgr(target, 0, 0);
        EXPECT_EQ(got.blue, c.expected.blue);
        EXPECT_EQ(got.green, c.expected.green);
        EXPECT_EQ(got.red, c.expected.red);
    }
}

TEST(TXBitmap, ModeZeroCopiesAtFullOpacityAndZeroOpacityDrawsNothing) {
    const TXBitmap source = Gradient(5, 4, 7);
    TXBitmap copy = Solid(5, 4, 0x000000);
    copy.BlendedDraw(0, 0, 0, source);
    ExpectSame(copy, source);

    TXBitmap white = Solid(1, 1, 0xFFFFFF);
    TXBitmap black = Solid(1, 1, 0);
    black.BlendedDraw(0, 0, 0, white);
    EXPECT_EQ(black.Pixel(0, 0), 0xFFFFFF); // not 254, which the shifted formula would give

    for (int mode = 0; mode <= 9; ++mode) {
        SCOPED_TRACE(mode);
        const TXBitmap before = Gradient(5, 4, 99);
        TXBitmap target = before;
        target.SetXAlpha(0);
        target.BlendedDraw(0, 0, mode, source);
        ExpectSame(target, before);
    }
}

TEST(TXBitmap, BlendedDrawClipsAtEveryEdge) {
    struct ClipCase {
        const char* label;
        int x, y;
    };
    const std::vector<ClipCase> cases = {
        {"left, x = -10", -10, 1}, {"past the right edge", 15, 1}, {"above", 3, -1},
        {"below", 3, 3},           {"all outside", 40, 40},        {"far negative", -100000, -100000},
    };
    const TXBitmap source = Gradient(15, 2, 3);
    const Colour background = 0x204060;
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(c.label);
        TXBitmap target = Solid(20, 4, background);
        target.BlendedDraw(c.x, c.y, 0, source);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 20; ++x) {
                const int sx = x - c.x;
                const int sy = y - c.y;
                const bool inside = sx >= 0 && sx < 15 && sy >= 0 && sy < 2;
                ASSERT_EQ(target.Pixel(x, y), inside ? source.Pixel(sx, sy) : background) << x << "," << y;
            }
        }
    }
}

TEST(TXBitmap, BlendedDrawClipsWithAModeToo) {
    TXBitmap target = Solid(4, 1, MakeColour(100, 100, 100));
    const TXBitmap source = Solid(3, 1, 0xFFFFFF);
    target.SetXAlpha(128);
    target.BlendedDraw(-1, 0, 3, source); // brightness 255: a = 255 × 128 / 256 = 127
    // 100 + (155 × 127) >> 8 = 100 + 76
    EXPECT_EQ(RedOf(target.Pixel(0, 0)), 176);
    EXPECT_EQ(RedOf(target.Pixel(1, 0)), 176);
    EXPECT_EQ(RedOf(target.Pixel(2, 0)), 100);
    EXPECT_EQ(RedOf(target.Pixel(3, 0)), 100);
}

TEST(TXBitmap, RoundedDrawWithoutRadiusIsABlendedDraw) {
    const TXBitmap source = Gradient(9, 7, 11);
    for (int mode : {0, 3, 7}) {
        SCOPED_TRACE(mode);
        TXBitmap plain = Gradient(12, 10, 5);
        plain.SetXAlpha(180);
        TXBitmap rounded = plain;
        plain.BlendedDraw(-2, 4, mode, source);
        rounded.RoundedBlendedDraw(-2, 4, source, mode, 0, 0);
        ExpectSame(rounded, plain);
        TXBitmap oneRadius = Gradient(12, 10, 5);
        oneRadius.SetXAlpha(180);
        oneRadius.RoundedBlendedDraw(-2, 4, source, mode, 6, 0);
        ExpectSame(oneRadius, plain);
    }
}

TEST(TXBitmap, RoundedDrawScalesAlphaByCornerCoverage) {
    // A 2 × 2 source with radius 1: each pixel is a quarter circle. Of the 4 × 4 samples of the
    // top-left pixel, 13 lie inside, so a = 16 × 13 × 255 / 256 = 207 and white over black gives
    // (207 × 255) >> 8 = 206.
    const TXBitmap source = Solid(2, 2, 0xFFFFFF);
    TXBitmap target = Solid(2, 2, 0);
    target.RoundedBlendedDraw(0, 0, source, 0, 1, 1, /*bottom=*/false, /*right=*/true);
    EXPECT_EQ(RedOf(target.Pixel(0, 0)), 206);
    EXPECT_EQ(RedOf(target.Pixel(1, 0)), 206);
    EXPECT_EQ(target.Pixel(0, 1), 0xFFFFFF); // bottom corners stay square
    EXPECT_EQ(target.Pixel(1, 1), 0xFFFFFF);

    TXBitmap allRound = Solid(2, 2, 0);
    allRound.RoundedBlendedDraw(0, 0, source, 0, 1, 1, true, false);
    EXPECT_EQ(RedOf(allRound.Pixel(0, 1)), 206);
    EXPECT_EQ(allRound.Pixel(1, 0), 0xFFFFFF); // right corners stay square
    EXPECT_EQ(allRound.Pixel(1, 1), 0xFFFFFF);
}

TEST(TXBitmap, RoundedDrawLeavesCornersAndFillsTheMiddle) {
    const TXBitmap source = Solid(30, 20, 0xFFFFFF);
    TXBitmap target = Solid(40, 30, 0);
    target.RoundedBlendedDraw(-5, 2, source, 0, 8, 8);
    EXPECT_EQ(target.Pixel(-5 + 15, 12), 0xFFFFFF);
    EXPECT_EQ(target.Pixel(10, 2), 0xFFFFFF);    // on the straight top edge
    EXPECT_EQ(target.Pixel(24, 2), 0);           // the top-right corner
    EXPECT_EQ(target.Pixel(24, 21), 0);          // the bottom-right corner
    EXPECT_EQ(target.Pixel(24, 12), 0xFFFFFF);   // the straight right edge
    EXPECT_EQ(target.Pixel(25, 12), 0);          // beyond the source
    EXPECT_EQ(target.Pixel(10, 22), 0);          // below the source
    const int edge = RedOf(target.Pixel(22, 4)); // 13 of 16 samples inside the corner circle
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, 255);
}

TEST(TXBitmap, TranslucentRectangleMixesWithXAlphaAndClips) {
    TXBitmap bitmap = Solid(4, 4, 0);
    bitmap.SetXAlpha(100);
    bitmap.TranslucentRectangle(-5, -5, 2, 2, MakeColour(255, 128, 0));
    // red (100 × 255) >> 8 = 99, green (100 × 128) >> 8 = 50
    EXPECT_EQ(PixelBgr(bitmap, 1, 1).red, 99);
    EXPECT_EQ(PixelBgr(bitmap, 1, 1).green, 50);
    EXPECT_EQ(PixelBgr(bitmap, 1, 1).blue, 0);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0);
    EXPECT_EQ(bitmap.Pixel(1, 2), 0);

    bitmap.SetXAlpha(255);
    bitmap.TranslucentRectangle(3, 3, 10, 10, 0xABCDEF);
    EXPECT_EQ(bitmap.Pixel(3, 3), 0xABCDEF);
    bitmap.SetXAlpha(0);
    bitmap.TranslucentRectangle(0, 0, 4, 4, 0xFFFFFF);
    EXPECT_EQ(bitmap.Pixel(3, 3), 0xABCDEF);
    EXPECT_EQ(bitmap.Pixel(0, 3), 0);
}

TEST(TXBitmap, OnePixelEllipseCoversTwelveOfSixteenSamples) {
    // The four corner samples lie outside a circle of radius 0.5: 255 × 12 / 16 = 191.
    TXBitmap bitmap = Solid(3, 3, 0);
    PenAndBrush brush;
    brush.penWidth = 0;
    brush.brushColour = 0xFFFFFF;
    bitmap.AntiAliasedEllipse(1, 1, 2, 2, brush);
    EXPECT_EQ(RedOf(bitmap.Pixel(1, 1)), 191);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0);
}

TEST(TXBitmap, AntiAliasedEllipseCoversCentreNotCorners) {
    TXBitmap bitmap = Solid(40, 40, 0);
    PenAndBrush brush;
    brush.penWidth = 0;
    brush.brushColour = 0xFFFFFF;
    bitmap.AntiAliasedEllipse(0, 0, 40, 40, brush);
    EXPECT_EQ(bitmap.Pixel(20, 20), 0xFFFFFF);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0);
    EXPECT_EQ(bitmap.Pixel(39, 0), 0);
    EXPECT_EQ(bitmap.Pixel(0, 39), 0);
    EXPECT_EQ(bitmap.Pixel(39, 39), 0);

    int partial = 0;
    double covered = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int value = RedOf(bitmap.Pixel(x, y));
            ASSERT_EQ(value, RedOf(bitmap.Pixel(39 - x, y)));
            ASSERT_EQ(value, RedOf(bitmap.Pixel(x, 39 - y)));
            partial += value > 0 && value < 255;
            covered += value / 255.0;
        }
    }
    EXPECT_GT(partial, 40); // the rim is blended
    EXPECT_NEAR(covered, 3.14159265 * 400, 12.0);
}

TEST(TXBitmap, ShapesDrawPenOverTheRingAndBrushInside) {
    TXBitmap bitmap = Solid(8, 8, 0);
    PenAndBrush pen;
    pen.penWidth = 1;
    pen.penColour = MakeColour(255, 0, 0);
    pen.brushColour = MakeColour(0, 0, 255);
    bitmap.AntiAliasedRoundRect(1, 1, 7, 7, 0, 0, pen);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0);
    EXPECT_EQ(bitmap.Pixel(1, 1), MakeColour(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(6, 3), MakeColour(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(2, 2), MakeColour(0, 0, 255));
    EXPECT_EQ(bitmap.Pixel(5, 5), MakeColour(0, 0, 255));
    EXPECT_EQ(bitmap.Pixel(7, 7), 0);

    TXBitmap outline = Solid(8, 8, 0);
    pen.filled = false;
    outline.AntiAliasedRoundRect(1, 1, 7, 7, 0, 0, pen);
    EXPECT_EQ(outline.Pixel(1, 4), MakeColour(255, 0, 0));
    EXPECT_EQ(outline.Pixel(3, 3), 0);

    TXBitmap rounded = Solid(20, 20, 0);
    pen.filled = true;
    pen.penWidth = 0;
    pen.brushColour = 0xFFFFFF;
    rounded.AntiAliasedRoundRect(0, 0, 20, 20, 6, 6, pen);
    EXPECT_EQ(rounded.Pixel(0, 0), 0);
    EXPECT_EQ(rounded.Pixel(10, 0), 0xFFFFFF);
    EXPECT_EQ(rounded.Pixel(0, 10), 0xFFFFFF);
    EXPECT_EQ(rounded.Pixel(19, 19), 0);
}

TEST(TXBitmap, ShapesClipAndNeverAllocateForHugeCoordinates) {
    TXBitmap bitmap = Solid(10, 10, 0);
    PenAndBrush brush;
    brush.penWidth = 0;
    brush.brushColour = 0x00FF00;
    bitmap.AntiAliasedEllipse(-1000000000, -1000000000, 1000000000, 1000000000, brush);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(bitmap.Pixel(x, y), 0x00FF00);
        }
    }
    TXBitmap other = Solid(10, 10, 0);
    other.AntiAliasedRoundRect(-30, -30, -2, 50, 4, 4, brush);
    other.AntiAliasedBlendedRoundRect(12, 0, 40, 10, 3, 3, 0, 0xFFFFFF);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(other.Pixel(x, y), 0);
        }
    }
}

TEST(TXBitmap, BlendedRoundRectTakesAlphaFromTheBrush) {
    // Brush (R 200, G 100, B 30): brightness 110. Target (B 100, G 200, R 250).
    struct BrushCase {
        int mode;
        int alpha;
        Bgr expected;
    };
    const std::vector<BrushCase> cases = {
        // a = 128: 100 + (128 × −70) >> 8 = 65, 200 − 50 = 150, 250 − 25 = 225
        {0, 128, {65, 150, 225}},
        // a = 145 × 255 / 256 = 144: blue 100 + (30 × 144) >> 8 = 116, green and red reach 255
        {7, 255, {116, 255, 255}},
        // a = 110 × 255 / 256 = 109: blue 100 + (30 × 109) >> 8 = 112, green 200 + 42 = 242, red 255
        {8, 255, {112, 242, 255}},
        // a = 109, lighten: 100 + (155 × 109) >> 8 = 165, 200 + 23 = 223, 250 + 2 = 252
        {3, 255, {165, 223, 252}},
    };
    for (const BrushCase& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        TXBitmap bitmap = Solid(3, 3, MakeColour(250, 200, 100));
        bitmap.SetXAlpha(c.alpha);
        bitmap.AntiAliasedBlendedRoundRect(0, 0, 2, 3, 0, 0, c.mode, MakeColour(200, 100, 30));
        const Bgr got = PixelBgr(bitmap, 1, 2);
        EXPECT_EQ(got.blue, c.expected.blue);
        EXPECT_EQ(got.green, c.expected.green);
        EXPECT_EQ(got.red, c.expected.red);
        EXPECT_EQ(bitmap.Pixel(2, 2), MakeColour(250, 200, 100));
    }
}

} // namespace
} // namespace qor
