#include "ControlsTestSupport.h"
#include "page/controls/TXMultipleChoice.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qor {
namespace {

constexpr Colour kYellow = 65535;

class MultipleChoice : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        SetMessagePresenter(&m_messages);
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    // 2 columns × 2 rows of 120 × 40.
    void MakeGrid(std::vector<std::string> items) {
        m_grid.SetSpalten(2);
        m_grid.SetZeilen(2);
        m_grid.SetItems(std::move(items));
    }
    void Click(int x, int y, MouseButton button = MouseButton::Left) {
        m_grid.MouseDown({x, y, button, kShiftNone});
        m_grid.MouseUp({x, y, button, kShiftNone});
    }

    ScriptedMessagePresenter m_messages;
    TXMultipleChoice m_grid{m_host};
};

TEST_F(MultipleChoice, DefaultsAndSizes) {
    EXPECT_EQ(m_grid.Selected(), -1);
    EXPECT_EQ(m_grid.Highlight(), -1);
    EXPECT_EQ(m_grid.HighlightColor(), kYellow);
    EXPECT_EQ(m_grid.ActiveColor(), kTestWhite);
    EXPECT_EQ(m_grid.InActiveColor(), kTestBlack);
    m_grid.SetCellWidth(50);
    m_grid.SetCellHeight(10);
    EXPECT_EQ(m_grid.CellWidth(), 120);
    EXPECT_EQ(m_grid.CellHeight(), 40);
    // Once sized, the grid has at least two rows.
    EXPECT_EQ(m_grid.Zeilen(), 2);
    m_grid.SetSpalten(3);
    EXPECT_EQ(m_grid.Width(), 360);
    EXPECT_EQ(m_grid.Height(), 80);
}

TEST_F(MultipleChoice, CellsAndCaptions) {
    MakeGrid({"le chat", "", "le chien"});
    struct Case {
        int x, y, cell;
    };
    const std::vector<Case> cases = {{0, 0, 0},    {119, 39, 0}, {0, 40, 1},  {120, 0, 2},
                                     {239, 79, 3}, {240, 0, -1}, {0, 80, -1}, {-1, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(m_grid.CellAt(c.x, c.y), c.cell);
    }
    EXPECT_EQ(m_grid.CellCaption(0), "le chat");
    EXPECT_EQ(m_grid.CellCaption(1), "Antwort 1");
    EXPECT_EQ(m_grid.CellCaption(3), "Antwort 3");
}

TEST_F(MultipleChoice, WrongItemCountShowsTheErrorBox) {
    MakeGrid({"a", "b", "c"});
    EXPECT_EQ(m_grid.Shuffle(), -1);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, "Die Anzahl der Items stimmt nicht (Multiple Choice).");
    EXPECT_EQ(m_messages.Messages()[0].flags & 0xF0, kMbIconError);
    EXPECT_EQ(m_grid.Items(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(MultipleChoice, ShuffleKeepsTrackOfTheRightAnswer) {
    const std::vector<std::string> items = {"juste", "faux 1", "faux 2", "faux 3"};
    std::vector<int> finalIndex(4, 0);
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        MakeGrid(items);
        SeedRandom(seed);
        const int right = m_grid.Shuffle();
        ASSERT_GE(right, 0);
        ASSERT_LT(right, 4);
        EXPECT_EQ(m_grid.Items()[static_cast<std::size_t>(right)], "juste");
        EXPECT_EQ(m_grid.RightAnswer(), right);
        // Still the same items, each once.
        std::vector<std::string> sorted = m_grid.Items();
        std::vector<std::string> expected = items;
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(sorted, expected);
        ++finalIndex[static_cast<std::size_t>(right)];
    }
    // Over many seeds the right answer lands in every cell.
    for (int count : finalIndex)
        EXPECT_GT(count, 0);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(MultipleChoice, ShuffleMakesAtLeastFourSwapsOfTwoDifferentPlaces) {
    // With two items each swap exchanges them: k = random(2) + 4 swaps leave the order as it was
    // for k = 4 and reversed for k = 5, which the first draw tells.
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        const int swaps = RandomBelow(2) + 4;
        m_grid.SetSpalten(1);
        m_grid.SetZeilen(2);
        m_grid.SetItems({"oui", "non"});
        SeedRandom(seed);
        const int right = m_grid.Shuffle();
        EXPECT_EQ(right, swaps == 4 ? 0 : 1);
        EXPECT_EQ(m_grid.Items()[0], swaps == 4 ? "oui" : "non");
    }
}

TEST_F(MultipleChoice, SettingItemsMakesTheFirstOneRightAgain) {
    MakeGrid({"a", "b", "c", "d"});
    bool moved = false;
    for (std::uint32_t seed = 1; seed <= 10 && !moved; ++seed) {
        SeedRandom(seed);
        moved = m_grid.Shuffle() != 0;
    }
    ASSERT_TRUE(moved);
    MakeGrid({"a", "b", "c", "d"});
    EXPECT_EQ(m_grid.RightAnswer(), 0);
}

TEST_F(MultipleChoice, HoverFollowsThePointerUntilAHighlightIsSet) {
    MakeGrid({"a", "b", "c", "d"});
    m_host.ClearRepaints();
    m_grid.MouseMove({130, 10, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_grid.Hovered(), 2);
    EXPECT_EQ(m_host.RepaintCount(m_grid), 1);
    m_grid.MouseMove({140, 20, MouseButton::Left, kShiftNone}); // same cell: no repaint
    EXPECT_EQ(m_host.RepaintCount(m_grid), 1);
    m_grid.MouseMove({10, 50, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_grid.Hovered(), 1);
    m_grid.MouseLeave();
    EXPECT_EQ(m_grid.Hovered(), -1);

    m_grid.SetHighlight(3);
    EXPECT_EQ(m_grid.Hovered(), 3);
    m_grid.MouseMove({10, 10, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_grid.Hovered(), 3);
    m_grid.MouseLeave();
    EXPECT_EQ(m_grid.Hovered(), 3);
}

TEST_F(MultipleChoice, HighlightOnAHiddenGridDoesNotHover) {
    MakeGrid({"a", "b", "c", "d"});
    m_grid.SetVisible(false);
    m_grid.SetHighlight(2);
    EXPECT_EQ(m_grid.Highlight(), 2);
    EXPECT_EQ(m_grid.Hovered(), -1);
}

TEST_F(MultipleChoice, ReleaseSelectsAndReports) {
    MakeGrid({"a", "b", "c", "d"});
    struct Report {
        int feld;
        MouseButton button;
    };
    std::vector<Report> reports;
    int clicks = 0;
    m_grid.OnSelect = [&](TXMultipleChoice&, int feld, MouseButton button) {
        reports.push_back({feld, button});
    };
    m_grid.OnClick = [&](TXMultipleChoice&) { ++clicks; };

    Click(130, 50); // cell 3
    EXPECT_EQ(m_grid.Selected(), 3);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].feld, 3);
    EXPECT_EQ(reports[0].button, MouseButton::Left);
    EXPECT_EQ(clicks, 1);

    // Another button reports the cell without selecting it.
    Click(10, 10, MouseButton::Right);
    EXPECT_EQ(m_grid.Selected(), 3);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].feld, 0);
    EXPECT_EQ(reports[1].button, MouseButton::Right);

    // Once the right answer is shown, the left button does nothing more.
    m_grid.SetHighlight(0);
    Click(10, 50);
    EXPECT_EQ(m_grid.Selected(), 3);
    EXPECT_EQ(reports.size(), 2u);
    Click(10, 50, MouseButton::Right);
    EXPECT_EQ(reports.size(), 3u);
}

TEST_F(MultipleChoice, DrawsTheHighlightArrowAndCaptionColours) {
    MakeGrid({"ab", "cd", "ef", "gh"});
    // Black background from the page's bitmap, so that the white hover caption shows.
    TXBitmap page(400, 200);
    page.Fill(MakeColour(0, 0, 128), ColourOrder::BlueHigh);
    m_grid.SetBounds(20, 30, 240, 80);
    m_grid.SetBitmap(&page);
    m_grid.SetHighlight(1); // column 0, row 1
    m_grid.Render();
    const TXBitmap& b = m_grid.Buffer();
    const Colour navy = MakeColour(0, 0, 128);
    // Caption "cd": 16 wide, left xt = (120 - 16) / 2 = 52, top 40 + (40 - 16) / 2 = 52.
    const int x0 = 10, ym = 60, xt = 52;
    EXPECT_EQ(b.Pixel(x0, 3), kYellow);     // the dot (x0 - 3, 0)-(x0 + 4, 7)
    EXPECT_EQ(b.Pixel(x0 - 3, 3), kYellow); // its left edge
    EXPECT_EQ(b.Pixel(x0 + 5, 3), navy);
    EXPECT_EQ(b.Pixel(x0, 30), kYellow); // the line down
    EXPECT_EQ(b.Pixel(x0 + 1, 30), navy);
    EXPECT_EQ(b.Pixel(30, ym), kYellow); // and right
    EXPECT_EQ(b.Pixel(30, ym + 1), navy);
    EXPECT_EQ(b.Pixel(xt - 13, ym - 1), kYellow); // the filled arrowhead
    EXPECT_EQ(b.Pixel(xt - 13, ym + 1), kYellow);
    EXPECT_EQ(b.Pixel(xt - 15, ym + 3), kYellow);
    EXPECT_EQ(b.Pixel(xt - 13, ym - 4), navy);
    // The highlighted cell is the hovered one: its caption is in ActiveColor (white).
    EXPECT_EQ(b.Pixel(xt + 2, 58), kTestWhite);
    // Other captions in InActiveColor (black): "ab" at (52, 12).
    EXPECT_EQ(b.Pixel(54, 18), kTestBlack);
    // Background elsewhere is the page's area under the grid.
    EXPECT_EQ(b.Pixel(200, 5), navy);
}

TEST_F(MultipleChoice, BackgroundSources) {
    MakeGrid({"a", "b", "c", "d"});
    m_grid.SetBounds(10, 10, 240, 80);
    // A picture control at (5, 8) whose pixel (x, y) encodes its position.
    TXBitmap picture(300, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            picture.SetPixel(x, y, MakeColour(x % 256, y, 7));
    m_grid.SetHintergrund({&picture, 5, 8});
    m_grid.Render();
    // Grid pixel (100, 70) lies at page (110, 80), picture (105, 72).
    EXPECT_EQ(m_grid.Buffer().Pixel(100, 70), MakeColour(105, 72, 7));
    // Without pictures: a plain white fill.
    m_grid.SetHintergrund({});
    m_grid.Render();
    EXPECT_EQ(m_grid.Buffer().Pixel(100, 70), kTestWhite);
    // A hidden grid paints nothing.
    TXBitmap target(300, 200);
    TXCanvas canvas(target);
    m_grid.SetVisible(false);
    m_grid.Paint(canvas);
    EXPECT_EQ(target.Pixel(110, 80), kTestBlack);
    m_grid.SetVisible(true);
    m_grid.Paint(canvas);
    EXPECT_EQ(target.Pixel(110, 80), kTestWhite);
}

} // namespace
} // namespace qor
