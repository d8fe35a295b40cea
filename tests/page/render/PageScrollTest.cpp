// The scroll bar rules and the copy of the visible window to the screen.

#include "page/render/PageScreen.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

class RecordingScreen : public PageScreen {
public:
    struct Copy {
        PageRect source;
        int x, y;
    };
    std::vector<Copy> copies;
    std::vector<ScrollBarState> bars;
    PageRect barPlace;

    void CopyToScreen(const TXBitmap&, const PageRect& source, int x, int y) override {
        copies.push_back({source, x, y});
    }
    void SetScrollBar(const ScrollBarState& state) override { bars.push_back(state); }
    void PlaceScrollBar(int x, int y, int width, int height) override {
        barPlace = PageRect::FromSize(x, y, width, height);
    }
};

TEST(PageScrollTest, BarShowsOnlyWhenTheDocumentDoesNotFit) {
    struct Case {
        const char* name;
        int position;
        int documentHeight;
        bool visible;
        int maximum;
    };
    const std::vector<Case> cases = {
        {"short page", 0, 300, false, 0},
        {"exactly the control", 0, 572, false, 0},
        {"taller page", 0, 1000, true, 1000 - 572 + 16},
        {"scrolled short page", 10, 300, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScrollBarState state = PageScroller::StateFor(c.position, 572, c.documentHeight);
        EXPECT_EQ(state.visible, c.visible);
        EXPECT_EQ(state.enabled, c.visible);
        EXPECT_EQ(state.maximum, c.maximum);
        if (c.visible) {
            EXPECT_EQ(state.smallStep, 5);
            EXPECT_EQ(state.largeStep, 572 - 16);
        }
    }
}

TEST(PageScrollTest, CopiesTheVisibleWindow) {
    RecordingScreen screen;
    PageScroller scroller(screen);
    scroller.Resize(800, 572);
    EXPECT_EQ(screen.barPlace, (PageRect{784, 0, 800, 572}));
    TXBitmap buffer(800, 1200);

    EXPECT_EQ(scroller.SetPosition(0, 300), 0);
    scroller.Show(buffer);
    ASSERT_EQ(screen.copies.size(), 1u);
    EXPECT_EQ(screen.copies[0].source, (PageRect{0, 0, 800, 572}));

    EXPECT_EQ(scroller.SetPosition(100, 1200), 100);
    scroller.Show(buffer);
    EXPECT_EQ(screen.copies[1].source, (PageRect{0, 100, 800 - 16 - 1, 672}));
    EXPECT_EQ(scroller.SetPosition(40, 1200), -60);
    EXPECT_EQ(screen.bars.back().position, 40);
}

} // namespace
} // namespace qor
