#include "users/UserStatistics.h"

#include "users/UserHistogram.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

// Four records worked out by hand:
//   "<1a" ZZ  ee  : absolute 50, relative 5000/40 = 125 -> 100, bins 15 and 20
//   ">1b" 5   m   : absolute -12, relative -100,              bins 9 and 0
//   "<2c" II9 vvv : absolute 8, relative 800/24 = 33.3 -> 33,  bins 11 and 13
//   ">3d" B   x   : absolute 1, relative 100/10 = 10,          bins 10 and 11
std::vector<TXUserVoc> HandSet() {
    return {{"<1a", "ZZ", "ee"}, {">1b", "5", "m"}, {"<2c", "II9", "vvv"}, {">3d", "B", "x"}};
}

ScoreHistogram Bins(std::initializer_list<int> bins) {
    ScoreHistogram histogram{};
    for (int bin : bins)
        ++histogram[bin];
    return histogram;
}

TEST(UserStatistics, FiguresOfAHandComputedSet) {
    const UserStatistics s = ComputeUserStatistics(HandSet());
    EXPECT_EQ(s.recordCount, 4);
    EXPECT_EQ(s.averageAbsolute, 11); // 47 div 4
    EXPECT_EQ(s.averageRelative, 10); // 43 div 4
    EXPECT_EQ(s.averageDeutsch, 29);  // 58 div 2
    EXPECT_EQ(s.averageFremd, -5);    // -11 div 2 truncates toward zero
    EXPECT_EQ(s.countDeutsch, 2);
    EXPECT_EQ(s.countFremd, 2);
    // Seven mode characters: e 2, m 1, v 3 and one other.
    EXPECT_EQ(s.shareTyping, 29);         // 28.57
    EXPECT_EQ(s.shareMultipleChoice, 14); // 14.29
    EXPECT_EQ(s.shareLasVegas, 43);       // 42.86
}

TEST(UserStatistics, HistogramsOfAHandComputedSet) {
    const UserStatistics s = ComputeUserStatistics(HandSet());
    EXPECT_EQ(s.HistogramOf(HistogramKind::Absolut), Bins({15, 9, 11, 10}));
    EXPECT_EQ(s.HistogramOf(HistogramKind::Relativ), Bins({20, 0, 13, 11}));
    EXPECT_EQ(s.HistogramOf(HistogramKind::Deutsch), Bins({15, 11}));
    EXPECT_EQ(s.HistogramOf(HistogramKind::Fremd), Bins({9, 10}));
}

TEST(UserStatistics, NoRecordsGiveZeros) {
    const UserStatistics s = ComputeUserStatistics({});
    const UserStatistics zero;
    EXPECT_EQ(s.histograms, zero.histograms);
    for (int figure : {s.recordCount, s.averageAbsolute, s.averageRelative, s.averageDeutsch, s.averageFremd,
                       s.countDeutsch, s.countFremd, s.shareTyping, s.shareMultipleChoice, s.shareLasVegas})
        EXPECT_EQ(figure, 0);
}

TEST(UserStatistics, OneDirectionOnlyAndNoModes) {
    const UserStatistics s = ComputeUserStatistics({{">1a", "Z", ""}, {">2b", "A", ""}});
    EXPECT_EQ(s.countDeutsch, 0);
    EXPECT_EQ(s.averageDeutsch, 0);
    EXPECT_EQ(s.countFremd, 2);
    EXPECT_EQ(s.averageFremd, 12); // 25 div 2
    EXPECT_EQ(s.averageRelative, 12);
    EXPECT_EQ(s.shareTyping, 0); // no mode characters at all
    EXPECT_EQ(s.HistogramOf(HistogramKind::Deutsch), ScoreHistogram{});
}

// A picture in memory; fills outside it are clipped as a bitmap would.
struct Canvas {
    int width;
    int height;
    std::vector<std::int32_t> pixels;

    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), 0x123456) {}
    FillRectangle Filler() {
        return [this](int x1, int y1, int x2, int y2, std::int32_t colour) {
            for (int y = std::max(0, y1); y < std::min(height, y2); ++y)
                for (int x = std::max(0, x1); x < std::min(width, x2); ++x)
                    pixels[static_cast<std::size_t>(y * width + x)] = colour;
        };
    }
    std::int32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // The height of the white bar in column x.
    int BarHeight(int x) const {
        int count = 0;
        for (int y = height - 1; y >= 0 && At(x, y) == kHistogramWhite; --y)
            ++count;
        return count;
    }
};

TEST(UserHistogram, NoRecordsShowOnlyTheTwoHalves) {
    Canvas canvas(43, 10);
    DrawHistogram(canvas.width, canvas.height, Bins({3, 10}), 0, canvas.Filler());
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            ASSERT_EQ(canvas.At(x, y), x < 21 ? kHistogramRed : kHistogramGrey);
        }
}

TEST(UserHistogram, BarsRiseFromTheBottom) {
    // Width 42: bin i covers x = 2i and 2i + 1. Four records, height 20.
    Canvas canvas(42, 20);
    DrawHistogram(canvas.width, canvas.height, Bins({0, 10, 20, 20}), 4, canvas.Filler());
    struct Case {
        int x;
        int barHeight;
        std::int32_t above; // the colour above the bar
    };
    const Case cases[] = {
        {0, 5, kHistogramRed},    {1, 5, kHistogramRed},    {2, 0, kHistogramRed},   {19, 0, kHistogramRed},
        {20, 5, kHistogramRed},   {21, 5, kHistogramGrey},  {22, 0, kHistogramGrey}, {39, 0, kHistogramGrey},
        {40, 10, kHistogramGrey}, {41, 10, kHistogramGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(canvas.BarHeight(c.x), c.barHeight);
        EXPECT_EQ(canvas.At(c.x, 0), c.above);
        EXPECT_EQ(canvas.At(c.x, canvas.height - 1 - c.barHeight), c.above);
    }
}

TEST(UserHistogram, EdgesAndHeightsRoundToTheNearestPixel) {
    // Width 50: bin 1 spans round(50/21) = 2 .. round(100/21) = 5; bin 2 spans 5 .. round(150/21) = 7.
    // Three records, height 10: one record is 3.33 -> 3 pixels, two are 6.67 -> 7.
    Canvas canvas(50, 10);
    DrawHistogram(canvas.width, canvas.height, Bins({1, 2, 2}), 3, canvas.Filler());
    const int expected[] = {0, 0, 3, 3, 3, 7, 7, 0};
    for (int x = 0; x < 8; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(canvas.BarHeight(x), expected[x]);
    }
}

TEST(UserHistogram, AFullBinFillsTheHeightAndNothingDrawsOnAnEmptyPicture) {
    Canvas canvas(21, 7);
    DrawHistogram(canvas.width, canvas.height, Bins({5, 5}), 2, canvas.Filler());
    EXPECT_EQ(canvas.BarHeight(5), 7);
    int calls = 0;
    FillRectangle counting = [&](int, int, int, int, std::int32_t) { ++calls; };
    DrawHistogram(0, 10, Bins({5}), 1, counting);
    DrawHistogram(10, 0, Bins({5}), 1, counting);
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace qor
