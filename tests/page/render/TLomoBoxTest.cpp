// The picture slide box: cell size, zone division, painting and its timer.

#include "page/render/TLomoBox.h"

#include "platform/Random.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace qor {
namespace {

std::vector<TXBitmap> Pictures(std::vector<std::pair<int, int>> sizes) {
    std::vector<TXBitmap> pictures;
    for (auto [width, height] : sizes) {
        pictures.emplace_back(width, height);
        pictures.back().Fill(0x00FF00, ColourOrder::BlueHigh);
    }
    return pictures;
}

TEST(TLomoBoxTest, CellSizeFollowsTheLargestPicture) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> sizes;
        int width, height;
    };
    const std::vector<Case> cases = {
        {"plain", {{100, 40}, {80, 50}}, 100, 50},
        {"at least 50 wide", {{20, 10}}, 50, 10},
        {"near two thirds", {{100, 64}}, 100, 67},
        {"three below two thirds", {{100, 64}, {90, 60}}, 100, 67},
        {"four away", {{100, 63}}, 100, 63},
        {"exactly two thirds", {{90, 60}}, 90, 60},
        {"no pictures", {}, 50, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int width = 0;
        int height = 0;
        TLomoBox::CellSize(Pictures(c.sizes), width, height);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    }
}

TEST(TLomoBoxTest, ZonesDivideIntoCells) {
    struct Case {
        const char* name;
        PageRect zone;
        std::size_t cells;
    };
    const std::vector<Case> cases = {
        {"three columns", PageRect::FromSize(0, 0, 300, 100), 3},
        {"not a multiple", PageRect::FromSize(0, 0, 310, 100), 0},
        {"two rows", PageRect::FromSize(0, 0, 300, 200), 6},
        {"one and a half rows halve once", PageRect::FromSize(0, 0, 100, 150), 2},
        {"three and a bit rows halve twice", PageRect::FromSize(0, 0, 100, 310), 4},
        {"two and a bit rows", PageRect::FromSize(0, 0, 100, 250), 0},
        {"empty zone", PageRect::FromSize(0, 0, 0, 100), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<TLomoBox::Cell> cells;
        TLomoBox::DivideZone(c.zone, 100, 100, cells);
        EXPECT_EQ(cells.size(), c.cells);
        for (const TLomoBox::Cell& cell : cells) {
            EXPECT_LE(cell.height, 100);
            EXPECT_EQ(cell.width, 100);
        }
    }
    std::vector<TLomoBox::Cell> cells;
    TLomoBox::DivideZone(PageRect::FromSize(10, 20, 300, 100), 100, 100, cells);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[2], (TLomoBox::Cell{210, 20, 100, 100}));
}

class ManualTimer : public IntervalTimer {
public:
    std::map<int, std::function<void()>> ticks;
    int Start(int, std::function<void()> tick) override {
        ticks[++m_next] = std::move(tick);
        return m_next;
    }
    void Stop(int id) override { ticks.erase(id); }

private:
    int m_next = 0;
};

TEST(TLomoBoxTest, PaintsCellsAndRepaintsOnTicks) {
    SeedRandom(3);
    PageSlideBox slides;
    slides.pictures = Pictures({{100, 100}, {50, 50}});
    slides.zone1 = PageRect::FromSize(0, 0, 200, 100);
    TLomoBox box;
    box.Setup(slides);
    ASSERT_EQ(box.Cells().size(), 2u);
    TXBitmap target(300, 200);
    box.PaintAll(target);
    EXPECT_EQ(target.Pixel(10, 10), 0x00FF00);
    EXPECT_EQ(target.Pixel(199, 99), 0x00FF00);
    EXPECT_EQ(target.Pixel(250, 150), 0); // outside the zone

    ManualTimer timer;
    int ticks = 0;
    box.Start(timer, [&] {
        box.PaintRandomCell(target);
        if (++ticks == 2) {
            throw std::runtime_error("screen gone");
        }
    });
    ASSERT_EQ(timer.ticks.size(), 1u);
    timer.ticks.begin()->second();
    EXPECT_TRUE(box.Running());
    auto tick = timer.ticks.begin()->second;
    tick(); // the error stops the timer
    EXPECT_FALSE(box.Running());
    EXPECT_TRUE(timer.ticks.empty());
}

TEST(TLomoBoxTest, CellsWithoutPicturesGetAColour) {
    SeedRandom(5);
    PageSlideBox slides;
    slides.pictures = Pictures({{200, 100}});
    slides.zone1 = PageRect::FromSize(0, 0, 200, 100);
    TLomoBox box;
    box.Setup(slides);
    TXBitmap target(200, 100);
    box.PaintCell(target, TLomoBox::Cell{0, 0, 100, 100}); // no picture fits: a plain colour
    const Colour colour = target.Pixel(0, 0);
    EXPECT_EQ(target.Pixel(99, 99), colour);
    EXPECT_NE(colour, 0x00FF00);
}

} // namespace
} // namespace qor
