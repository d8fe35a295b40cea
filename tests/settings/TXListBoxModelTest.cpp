// The list control's rules: line format, visible lines, selection scrolling, clicks per list type,
// keys and the wheel.

#include "settings/TXListBoxModel.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

std::vector<std::string> Lines(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
        items.push_back("Zeile " + std::to_string(i));
    return items;
}

// A list of `count` items showing `visible` lines of 20 pixels.
TXListBoxModel MakeList(int count, int visible, ListenTyp typ = ListenTyp::ltSelect) {
    TXListBoxModel list;
    list.SetTyp(typ);
    list.Fit(200, visible * 20);
    list.SetItems(Lines(count));
    return list;
}

TEST(ListLineFormat, SignsAndAmpersandSplit) {
    const std::string de = std::string("\xA7") + "Haus&n";
    struct Case {
        std::string line;
        ListLineParts parts;
    };
    const std::vector<Case> cases = {
        {"", {ListIcon::None, "", ""}},
        {"Wort", {ListIcon::None, "Wort", ""}},
        {de, {ListIcon::Icon1, "Haus", "n"}},
        {"$maison", {ListIcon::Icon2, "maison", ""}},
        {"$", {ListIcon::Icon2, "", ""}},
        {"aller&irr.", {ListIcon::None, "aller", "irr."}},
        {"aller&irregulier", {ListIcon::None, "aller", "irre"}}, // four characters at most
        {"a&b&c", {ListIcon::None, "a", "b&c"}},                 // split at the first "&"
        {"&x", {ListIcon::None, "", "x"}},
        {"x&", {ListIcon::None, "x", ""}},
        {"Wort$", {ListIcon::None, "Wort$", ""}}, // a sign counts only at the start
        {"$$x", {ListIcon::Icon2, "$x", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitListLine(c.line), c.parts);
    }
    EXPECT_EQ(WithoutListSign(de), "Haus&n");
    EXPECT_EQ(WithoutListSign("$x"), "x");
    EXPECT_EQ(WithoutListSign("x$"), "x$");
    EXPECT_EQ(WithoutListSign(""), "");
}

TEST(ListSizeRules, HeightIsWholeLinesAndWidthHasAMinimum) {
    struct Case {
        int itemHeight, width, height;
        ListSize fitted;
        int visible;
    };
    const std::vector<Case> cases = {
        {20, 200, 100, {200, 100}, 5}, {20, 200, 119, {200, 100}, 5}, {20, 200, 10, {200, 20}, 1},
        {20, 200, 0, {200, 20}, 1},    {20, 47, 40, {48, 40}, 2},     {20, 48, 40, {48, 40}, 2},
        {22, 300, 100, {300, 88}, 4},  {25, 10, -5, {48, 25}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.itemHeight) + " " + std::to_string(c.width) + "x" +
                     std::to_string(c.height));
        TXListBoxModel list;
        list.SetItemHeight(c.itemHeight);
        EXPECT_EQ(list.Fit(c.width, c.height), c.fitted);
        EXPECT_EQ(list.VisibleLines(), c.visible);
    }
}

TEST(ListSizeRules, ChangingTheItemHeightRefitsTheHeight) {
    TXListBoxModel list;
    list.Fit(100, 100);
    list.SetItemHeight(30);
    EXPECT_EQ(list.Size().height, 90);
    list.SetItemHeight(0);
    EXPECT_EQ(list.ItemHeight(), 1);
}

TEST(ListRefresh, TopLineAndSelectionBeyondTheCountAreReset) {
    struct Case {
        int topline, selected, newCount;
        int expectedTop, expectedSelected;
    };
    const std::vector<Case> cases = {
        {5, 7, 10, 5, 7}, {5, 7, 8, 5, 7},  {5, 7, 7, 5, -1},
        {5, 7, 5, 0, -1}, {0, 0, 0, 0, -1}, {3, -1, 3, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newCount);
        TXListBoxModel list = MakeList(20, 4);
        list.SetSelected(c.selected);
        list.SetTopline(c.topline);
        list.SetItems(Lines(c.newCount));
        EXPECT_EQ(list.Topline(), c.expectedTop);
        EXPECT_EQ(list.Selected(), c.expectedSelected);
    }
}

TEST(ListScrollBar, ShownOnlyWithMoreItemsThanLines) {
    struct Case {
        int count, visible;
        bool shown;
        int maximum;
    };
    const std::vector<Case> cases = {{0, 5, false, 0}, {5, 5, false, 0}, {6, 5, true, 1}, {30, 5, true, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        TXListBoxModel list = MakeList(c.count, c.visible);
        EXPECT_EQ(list.ScrollBarVisible(), c.shown);
        EXPECT_EQ(list.ScrollMaximum(), c.maximum);
    }
}

TEST(ListSelected, ScrollsALineOutsideTheVisibleOnesIntoView) {
    // 20 items, 5 visible lines.
    struct Case {
        const char* name;
        int topline, select;
        int expectedTop, expectedSelected;
        int changes;
    };
    const std::vector<Case> cases = {
        {"inside stays", 3, 5, 3, 5, 1},
        {"first visible", 3, 3, 3, 3, 1},
        {"last visible", 3, 7, 3, 7, 1},
        {"just below scrolls by one", 3, 8, 4, 8, 1},
        {"just below near the end scrolls by one", 14, 19, 15, 19, 1},
        {"among the last items", 0, 17, 15, 17, 1},
        {"the last item", 0, 19, 15, 19, 1},
        {"further below becomes the top", 0, 10, 10, 10, 1},
        {"above becomes the top", 10, 2, 2, 2, 1},
        {"above but among the last items", 18, 16, 15, 16, 1},
        {"at the count is ignored", 3, 20, 3, -1, 0},
        {"beyond the count is ignored", 3, 99, 3, -1, 0},
        {"negative clears", 3, -1, 3, -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXListBoxModel list = MakeList(20, 5);
        int changes = 0;
        list.OnChange = [&] { ++changes; };
        list.SetTopline(c.topline);
        list.SetSelected(c.select);
        EXPECT_EQ(list.Topline(), c.expectedTop);
        EXPECT_EQ(list.Selected(), c.expectedSelected);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(ListSelected, ViewOnlyListsNeverSelect) {
    TXListBoxModel list = MakeList(10, 5, ListenTyp::ltViewOnly);
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetSelected(2);
    list.KeyDown();
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(changes, 0);
}

TEST(ListSelected, FewerItemsThanLinesKeepTheTopAtZero) {
    TXListBoxModel list = MakeList(3, 5);
    list.SetSelected(2);
    EXPECT_EQ(list.Topline(), 0);
}

TEST(ListMouse, LineUnderThePointer) {
    struct Case {
        int topline, y, line;
    };
    // The rows needed to reach y, minus one, never above the top line.
    const std::vector<Case> cases = {{0, 0, 0},  {0, 1, 0},  {0, 19, 0}, {0, 20, 0}, {0, 21, 1},
                                     {0, 40, 1}, {0, 41, 2}, {4, 0, 4},  {4, 25, 5}, {4, 99, 8},
                                     {0, -7, 0}, {2, 60, 4}, {2, 61, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE("top " + std::to_string(c.topline) + " y " + std::to_string(c.y));
        TXListBoxModel list = MakeList(20, 5);
        list.SetTopline(c.topline);
        EXPECT_EQ(list.LineAt(c.y), c.line);
    }
}

TEST(ListMouse, ClicksPerListType) {
    const std::string on = std::string("\xA7") + "aller";
    struct Case {
        const char* name;
        ListenTyp typ;
        int y;
        std::vector<std::string> itemsAfter;
        int selected;
        std::string lastClicked;
        int changes;
    };
    const std::vector<Case> cases = {
        {"select a line", ListenTyp::ltSelect, 30, {on, "$venir", "plain"}, 1, "venir", 1},
        {"select keeps signs", ListenTyp::ltSelect, 5, {on, "$venir", "plain"}, 0, "aller", 1},
        {"on-off turns off", ListenTyp::ltOnOff, 5, {"$aller", "$venir", "plain"}, 0, "aller", 1},
        {"on-off turns on", ListenTyp::ltOnOff, 30, {on, "\xA7venir", "plain"}, 1, "venir", 1},
        {"on-off without sign", ListenTyp::ltOnOff, 50, {on, "$venir", "plain"}, 2, "plain", 1},
        {"on-off below the last line", ListenTyp::ltOnOff, 70, {on, "$venir", "plain"}, -1, "", 0},
        {"select below the last line", ListenTyp::ltSelect, 95, {on, "$venir", "plain"}, -1, "", 0},
        {"view only remembers the text", ListenTyp::ltViewOnly, 30, {on, "$venir", "plain"}, -1, "venir", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXListBoxModel list;
        list.SetTyp(c.typ);
        list.Fit(200, 100);
        list.SetItems({on, "$venir", "plain"});
        int changes = 0;
        list.OnChange = [&] { ++changes; };
        list.MouseDown(c.y);
        EXPECT_EQ(list.Items(), c.itemsAfter);
        EXPECT_EQ(list.Selected(), c.selected);
        EXPECT_EQ(list.LastClickedText(), c.lastClicked);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(ListMouse, AClickBelowTheLinesClearsTheLastClickedText) {
    TXListBoxModel list = MakeList(2, 5);
    list.MouseDown(5);
    EXPECT_EQ(list.LastClickedText(), "Zeile 0");
    list.MouseDown(90);
    EXPECT_EQ(list.LastClickedText(), "");
    EXPECT_EQ(list.Selected(), 0);
}

TEST(ListKeys, UpAndDownMoveTheSelectionWithinTheList) {
    struct Case {
        int selected;
        bool down;
        int expected;
        int changes;
    };
    const std::vector<Case> cases = {
        {-1, true, 0, 1},   {0, true, 1, 1},  {8, true, 9, 1},  {9, true, 9, 0},
        {-1, false, -1, 0}, {0, false, 0, 0}, {1, false, 0, 1}, {9, false, 8, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected) + (c.down ? " down" : " up"));
        TXListBoxModel list = MakeList(10, 4);
        list.SetSelected(c.selected);
        int changes = 0;
        list.OnChange = [&] { ++changes; };
        if (c.down)
            list.KeyDown();
        else
            list.KeyUp();
        EXPECT_EQ(list.Selected(), c.expected);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(ListKeys, DownPastTheVisibleLinesScrollsByOne) {
    TXListBoxModel list = MakeList(10, 4);
    list.SetSelected(3);
    list.KeyDown();
    EXPECT_EQ(list.Topline(), 1);
}

TEST(ListWheel, ScrollsOneLineWhileLinesRemain) {
    struct Case {
        int count, topline, delta, expected;
    };
    const std::vector<Case> cases = {
        {10, 0, -120, 1}, {10, 5, -120, 6}, {10, 6, -120, 6}, {3, 0, -120, 0},
        {10, 6, 120, 5},  {10, 1, 120, 0},  {10, 0, 120, 0},  {10, 3, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " top " + std::to_string(c.topline) + " delta " +
                     std::to_string(c.delta));
        TXListBoxModel list = MakeList(c.count, 4);
        list.SetTopline(c.topline);
        list.Wheel(c.delta);
        EXPECT_EQ(list.Topline(), c.expected);
    }
}

TEST(ListPaintPlan, VisibleLinesWithTheirPlacesAndColours) {
    FixedAdvanceFonts fonts;
    FontSpec font;
    font.name = "Arial";
    font.height = 10; // 5 pixels per character, bold 6
    TXListBoxModel list;
    list.Fit(200, 60); // three lines
    list.SetItems({"a", std::string("\xA7") + "Haus&n", "$chat&m.", "d", "e"});
    list.SetTopline(1);
    list.SetSelected(2);
    auto plan = list.PaintPlan(fonts, font, 16, 0x00FF00, 0x000001);
    ASSERT_EQ(plan.size(), 3u);
    int textHeight = fonts.Measure(font, "AXyg").height;

    struct Expected {
        int index, rowTop, leftX, rightX;
        bool bold;
        std::int32_t colour;
    };
    const std::vector<Expected> expected = {
        {1, 0, 20, 200 - 30 - 5, false, 0x000001},
        {2, 20, 20, 200 - 30 - 2 * 6, true, 0x00FF00},
        {3, 40, 8, 200 - 30, false, 0x000001},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(plan[i].index, expected[i].index);
        EXPECT_EQ(plan[i].rowTop, expected[i].rowTop);
        EXPECT_EQ(plan[i].textTop, expected[i].rowTop + (20 - textHeight) / 2);
        EXPECT_EQ(plan[i].leftX, expected[i].leftX);
        EXPECT_EQ(plan[i].rightX, expected[i].rightX);
        EXPECT_EQ(plan[i].bold, expected[i].bold);
        EXPECT_EQ(plan[i].colour, expected[i].colour);
    }
}

TEST(ListPaintPlan, OnlySelectListsDrawTheSelectionBold) {
    FixedAdvanceFonts fonts;
    for (ListenTyp typ : {ListenTyp::ltSelect, ListenTyp::ltOnOff}) {
        TXListBoxModel list = MakeList(3, 3, typ);
        list.SetSelected(1);
        auto plan = list.PaintPlan(fonts, FontSpec{}, 0, 0xFF, 0);
        ASSERT_EQ(plan.size(), 3u);
        EXPECT_EQ(plan[1].bold, typ == ListenTyp::ltSelect);
        EXPECT_EQ(plan[1].colour, 0xFF);
        EXPECT_EQ(plan[0].colour, 0);
    }
}

TEST(ListPaintPlan, AnEmptyListPaintsNoLines) {
    FixedAdvanceFonts fonts;
    TXListBoxModel list = MakeList(0, 3);
    EXPECT_TRUE(list.PaintPlan(fonts, FontSpec{}, 0, 0, 0).empty());
}

} // namespace
} // namespace qor
