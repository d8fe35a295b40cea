#include "ControlsTestSupport.h"
#include "page/controls/tXCheckBox.h"
#include "page/controls/tXRadioGroup.h"

#include <string>
#include <vector>

namespace qor {
namespace {

constexpr Colour kGrayText = 8421504;

// [SECTION] Check box

class CheckBox : public ControlTest {
protected:
    tXCheckBox m_box{m_host};
};

TEST_F(CheckBox, PressTogglesReleaseInsideClicks) {
    EXPECT_EQ(m_box.Width(), 65);
    EXPECT_EQ(m_box.Height(), 17);
    std::vector<std::string> events;
    m_box.OnClick = [&](tXCheckBox& sender) {
        events.push_back(sender.Checked() ? "click on" : "click off");
    };
    m_box.OnMouseDown = [&](tXCheckBox&, const MouseEvent&) { events.push_back("down"); };
    m_box.OnMouseUp = [&](tXCheckBox&, const MouseEvent&) { events.push_back("up"); };

    m_box.MouseDown({3, 3, MouseButton::Left, kShiftNone});
    EXPECT_TRUE(m_box.Checked());
    m_box.MouseUp({3, 3, MouseButton::Left, kShiftNone});
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "click on"}));

    m_box.MouseDown({3, 3, MouseButton::Left, kShiftNone});
    EXPECT_FALSE(m_box.Checked());
    // The right button does not toggle.
    m_box.MouseDown({3, 3, MouseButton::Right, kShiftNone});
    EXPECT_FALSE(m_box.Checked());
}

TEST_F(CheckBox, ReleaseCountsAsInsideUpToTheFarEdges) {
    struct Case {
        int x, y;
        bool clicks;
    };
    const std::vector<Case> cases = {{0, 0, true},   {65, 17, true}, {66, 5, false},
                                     {5, 18, false}, {-1, 5, false}, {5, -1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        int clicks = 0;
        m_box.OnClick = [&](tXCheckBox&) { ++clicks; };
        m_box.MouseUp({c.x, c.y, MouseButton::Left, kShiftNone});
        EXPECT_EQ(clicks, c.clicks ? 1 : 0);
    }
}

TEST_F(CheckBox, DisabledDoesNotToggle) {
    m_box.SetEnabled(false);
    m_box.MouseDown({3, 3, MouseButton::Left, kShiftNone});
    EXPECT_FALSE(m_box.Checked());
}

TEST_F(CheckBox, DrawsSquareTickAndCaption) {
    TXBitmap page(100, 40);
    page.Fill(0x00FF00, ColourOrder::BlueHigh); // green page
    TXCanvas canvas(page);
    m_box.SetBounds(10, 5, 65, 17);
    m_box.SetCaption("Oui");
    m_box.SetChecked(true);
    m_box.Paint(canvas);
    const int x = 10;
    const int y = 5 + m_box.BoxTop();
    EXPECT_EQ(m_box.BoxTop(), 2);
    // Frame and white inside.
    EXPECT_EQ(page.Pixel(x, y), kTestBlack);
    EXPECT_EQ(page.Pixel(x + 11, y + 11), kTestBlack);
    EXPECT_EQ(page.Pixel(x + 12, y + 6), 0x00FF00);
    EXPECT_EQ(page.Pixel(x + 9, y + 9), kTestWhite);
    // The tick: three strokes through (4, y+7), (4, y+8), (4, y+9); its ends at x = 10 are left out.
    for (int dy : {5, 6, 7})
        EXPECT_EQ(page.Pixel(x + 2, y + dy), kTestBlack) << dy;
    for (int dy : {7, 8, 9})
        EXPECT_EQ(page.Pixel(x + 4, y + dy), kTestBlack) << dy;
    EXPECT_EQ(page.Pixel(x + 9, y + 2), kTestBlack);
    EXPECT_EQ(page.Pixel(x + 10, y + 1), kTestWhite);
    EXPECT_EQ(page.Pixel(x + 4, y + 10), kTestWhite);
    // Caption at x 16, top (17 - 16) / 2 = 0; the page shows through elsewhere.
    EXPECT_EQ(page.Pixel(x + 18, 5 + 5), kTestBlack);
    EXPECT_EQ(page.Pixel(x + 18, 5 + 13), 0x00FF00);

    m_box.SetChecked(false);
    m_box.SetEnabled(false);
    m_box.Paint(canvas);
    EXPECT_EQ(page.Pixel(x + 4, y + 7), kTestWhite);
    EXPECT_EQ(page.Pixel(x + 18, 5 + 5), kGrayText);
}

// [SECTION] Radio group

class RadioGroup : public ControlTest {
protected:
    tXRadioGroup m_group{m_host};
};

TEST_F(RadioGroup, SizeFollowsCellsAndMinimums) {
    EXPECT_EQ(m_group.Width(), 120);
    EXPECT_EQ(m_group.Height(), 40);
    struct Case {
        const char* name;
        int cellWidth, cellHeight, columns, rows;
        int width, height;
    };
    const std::vector<Case> cases = {
        {"as given", 100, 25, 2, 3, 200, 75}, {"too narrow", 30, 25, 1, 1, 60, 25},
        {"too low", 100, 10, 1, 2, 100, 32},  {"no columns", 100, 20, 0, 2, 100, 40},
        {"no rows", 100, 20, 2, -1, 200, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_group.SetCellWidth(c.cellWidth);
        m_group.SetCellHeight(c.cellHeight);
        m_group.SetSpalten(c.columns);
        m_group.SetZeilen(c.rows);
        EXPECT_EQ(m_group.Width(), c.width);
        EXPECT_EQ(m_group.Height(), c.height);
    }
    // Bounds cannot change the size either.
    m_group.SetBounds(7, 8, 500, 500);
    EXPECT_EQ(m_group.Left(), 7);
    EXPECT_EQ(m_group.Width(), 200);
    EXPECT_EQ(m_group.Height(), 20);
}

TEST_F(RadioGroup, LoadingDefersTheMinimums) {
    m_group.BeginLoading();
    m_group.SetCellWidth(30);
    EXPECT_EQ(m_group.CellWidth(), 30);
    m_group.EndLoading();
    EXPECT_EQ(m_group.CellWidth(), 60);
    EXPECT_EQ(m_group.Width(), 60);
}

TEST_F(RadioGroup, CellsAreNumberedColumnByColumn) {
    m_group.SetCellWidth(100);
    m_group.SetCellHeight(20);
    m_group.SetSpalten(2);
    m_group.SetZeilen(3);
    struct Case {
        int x, y, cell;
    };
    const std::vector<Case> cases = {{0, 0, 0},   {99, 19, 0},  {0, 20, 1},  {50, 59, 2},
                                     {100, 0, 3}, {150, 45, 5}, {200, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(m_group.CellAt(c.x, c.y), c.cell);
    }
    m_group.SetItems({"rouge", "", "bleu"});
    EXPECT_EQ(m_group.CellCaption(0), "rouge");
    EXPECT_EQ(m_group.CellCaption(1), "Option 1");
    EXPECT_EQ(m_group.CellCaption(4), "Option 4");
}

TEST_F(RadioGroup, PressSelectsAndClicks) {
    m_group.SetSpalten(2);
    m_group.SetItems({"a", "b", "c", "d"});
    int clicks = 0;
    m_group.OnClick = [&](tXRadioGroup& sender) {
        ++clicks;
        EXPECT_EQ(sender.Selected(), 3);
    };
    m_group.MouseDown({130, 25, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_group.Selected(), 3);
    EXPECT_EQ(clicks, 1);
    m_group.MouseDown({5, 5, MouseButton::Right, kShiftNone});
    EXPECT_EQ(m_group.Selected(), 3);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RadioGroup, SelectedTakesOnlyNumbersBelowTheItemCount) {
    m_group.SetItems({"a", "b", "c"});
    m_group.SetSelected(2);
    EXPECT_EQ(m_group.Selected(), 2);
    m_group.SetSelected(3);
    EXPECT_EQ(m_group.Selected(), 2);
    m_group.SetSelected(-1);
    EXPECT_EQ(m_group.Selected(), -1);
}

TEST_F(RadioGroup, DrawsCirclesWithTheSelectedDot) {
    m_group.SetSpalten(2); // cells 120 × 20: circles at (0, 4) and (120, 4), (0, 24), (120, 24)
    m_group.SetItems({"a", "b", "c", "d"});
    m_group.SetSelected(2);
    TXBitmap page(240, 40);
    page.Fill(0x00FF00, ColourOrder::BlueHigh);
    TXCanvas canvas(page);
    m_group.Paint(canvas);
    // Cell 2 is column 1, row 0: filled black from +2 to +10.
    EXPECT_EQ(page.Pixel(120 + 5, 4 + 5), kTestBlack);
    EXPECT_EQ(page.Pixel(120 + 3, 4 + 6), kTestBlack);
    // The other circles are white inside with a black ring.
    EXPECT_EQ(page.Pixel(5, 4 + 5), kTestWhite);
    EXPECT_EQ(page.Pixel(0, 4 + 5), kTestBlack);
    EXPECT_EQ(page.Pixel(11, 4 + 5), kTestBlack);
    EXPECT_EQ(page.Pixel(5, 4), kTestBlack);
    // Corners of the 12 × 12 square are outside the circle.
    EXPECT_EQ(page.Pixel(0, 4), 0x00FF00);
    // Captions at +16, top (20 - 16) / 2 = 2.
    EXPECT_EQ(page.Pixel(18, 6), kTestBlack);
    EXPECT_EQ(page.Pixel(138, 26), kTestBlack);
}

} // namespace
} // namespace qor
