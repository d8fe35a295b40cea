#include "page/controls/tTippAufgabenListe.h"

#include "page/controls/TestControlHost.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

TEST(tTippAufgabenListe, AddReturnsConsecutiveIndicesWithABitmapEach) {
    TestControlHost host;
    tTippAufgabenListe gaps(host);
    EXPECT_EQ(gaps.Count(), 0);
    EXPECT_EQ(gaps.OpenCount(), 0);
    for (int expected = 0; expected < 3; ++expected) {
        EXPECT_EQ(gaps.Add(), expected);
    }
    EXPECT_EQ(gaps.Count(), 3);
    EXPECT_EQ(gaps.OpenCount(), 3);
    EXPECT_NE(&gaps.Edit(0), &gaps.Edit(1));
    EXPECT_NE(&gaps.Bitmap(0), &gaps.Bitmap(2));
}

TEST(tTippAufgabenListe, OpenCountLeavesOutHiddenGaps) {
    TestControlHost host;
    tTippAufgabenListe gaps(host);
    for (int i = 0; i < 4; ++i) {
        gaps.Add();
    }
    struct Step {
        int hide;
        int open;
    };
    const std::vector<Step> steps = {{2, 3}, {2, 3}, {0, 2}, {3, 1}, {1, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.hide);
        gaps.Edit(step.hide).SetVisible(false);
        EXPECT_EQ(gaps.OpenCount(), step.open);
        EXPECT_EQ(gaps.Count(), 4); // a finished gap stays in the list
    }
}

TEST(tTippAufgabenListe, AGapFinishedByTheLearnerNoLongerCounts) {
    TestControlHost host;
    tTippAufgabenListe gaps(host);
    gaps.Add();
    gaps.Add();
    TPageEdit& right = gaps.Edit(0);
    right.SetLsg({"la maison", "maison"});
    right.SetText("maison");
    right.CheckAnswer();
    EXPECT_EQ(gaps.OpenCount(), 1);

    TPageEdit& wrong = gaps.Edit(1);
    wrong.SetLsg({"chat"});
    wrong.SetText("");
    wrong.CheckAnswer(); // an empty answer ends the gap at once
    EXPECT_EQ(gaps.OpenCount(), 0);
}

TEST(tTippAufgabenListe, BackgroundIsSavedFromAndDrawnBackToThePage) {
    TestControlHost host;
    tTippAufgabenListe gaps(host);
    gaps.Add();
    gaps.Edit(0).SetBounds(10, 20, 30, 8);
    TXBitmap page(100, 100);
    page.Fill(0x112233, ColourOrder::BlueHigh);
    page.SetPixel(10, 20, 0x0000FF);
    page.SetPixel(39, 27, 0x00FF00);

    gaps.SaveBackground(0, page);
    ASSERT_EQ(gaps.Bitmap(0).Width(), 30);
    ASSERT_EQ(gaps.Bitmap(0).Height(), 8);
    EXPECT_EQ(gaps.Bitmap(0).Pixel(0, 0), 0x0000FF);
    EXPECT_EQ(gaps.Bitmap(0).Pixel(29, 7), 0x00FF00);

    page.Fill(0, ColourOrder::BlueHigh);
    gaps.DrawBackground(0, page);
    EXPECT_EQ(page.Pixel(10, 20), 0x0000FF);
    EXPECT_EQ(page.Pixel(39, 27), 0x00FF00);
    EXPECT_EQ(page.Pixel(25, 24), 0x112233);
    EXPECT_EQ(page.Pixel(40, 27), 0);
    EXPECT_EQ(page.Pixel(9, 20), 0);
}

TEST(tTippAufgabenListe, ClearFreesEveryGap) {
    TestControlHost host;
    tTippAufgabenListe gaps(host);
    gaps.Add();
    gaps.Add();
    host.SetFocus(gaps.Edit(1));
    ASSERT_EQ(host.FocusedControl(), &gaps.Edit(1));
    gaps.Clear();
    EXPECT_EQ(gaps.Count(), 0);
    EXPECT_EQ(gaps.OpenCount(), 0);
    EXPECT_EQ(host.FocusedControl(), nullptr); // the host was told the edits are gone
    EXPECT_EQ(gaps.Add(), 0);
}

} // namespace
} // namespace qor
