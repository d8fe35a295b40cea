// Positions in the layout list: line breaking, glued runs, alignment, tabs, paragraphs, boxes.

#include "page/controls/TPageEdit.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/render/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

// Default line width: 800 - 16 (scroll bar) - 16; left margin 8; first base line 16 + 12.
constexpr int kLineWidth = 768;
constexpr int kMargin = 8;
constexpr int kFirstBase = 28;

struct Placement {
    const char* word;
    int x;
    int baseLine;
};

struct LayoutCase {
    const char* name;
    const char* markup;
    std::vector<Placement> expected;
};

TEST(PageLayoutTest, PlacesWordsAsTheRulesSay) {
    const std::vector<LayoutCase> cases = {
        {"two words", "Hallo Welt", {{"Hallo", 8, kFirstBase}, {"Welt", 8 + 40 + 8, kFirstBase}}},
        {"line break", "a<BR>b", {{"a", 8, kFirstBase}, {"b", 8, 45}}},
        // An empty line advances by the previous line's height.
        {"two breaks", "a<BR><BR>b", {{"b", 8, 61}}},
        // A paragraph advances once more by the line height.
        {"paragraph", "a<P>b", {{"b", 8, 61}}},
        {"tenths tab", "<X5>word", {{"word", kMargin + kLineWidth / 2, kFirstBase}}},
        {"pixel tab", "<X-120>word", {{"word", kMargin + 120, kFirstBase}}},
        {"percent tab", "<X25>word", {{"word", kMargin + kLineWidth / 4, kFirstBase}}},
        {"tab never moves back", "aaaaaaaaaa<X-20>b", {{"b", 8 + 80, kFirstBase}}},
        {"centred", "<CENTER>abcd", {{"abcd", kMargin + (kLineWidth - 32) / 2, kFirstBase}}},
        {"right", "<RIGHT>abcd", {{"abcd", kMargin + kLineWidth - 32, kFirstBase}}},
        // Box: text from its x, its y decides the line's top.
        {"box", "<BOX COORDS=\"10,200,300\">x", {{"x", 10, 212}}},
        // 32 + 8 + 32 fits into 100, another 8 + 32 does not.
        {"breaking in a box",
         "<BOX COORDS=\"10,100,100\">aaaa bbbb cccc",
         {{"aaaa", 10, 112}, {"bbbb", 50, 112}, {"cccc", 10, 129}}},
        // Three spaces share 10 extra pixels as 3, 3 and 4.
        {"justified",
         "<BOX COORDS=\"10,100,98\" ALIGN=B>aa bb cc dd",
         {{"aa", 10, 112}, {"bb", 10 + 24 + 3, 112}, {"cc", 10 + 48 + 6, 112}, {"dd", 10 + 72 + 10, 112}}},
        // Two justified tab words: the second ends the line and shares its base line.
        {"justified columns",
         "<X!2>aa <X!5>bb",
         {{"aa", kMargin + 153, kFirstBase}, {"bb", kMargin + 384, kFirstBase}}},
        // BOX y -1 keeps the current y, -2 goes back to it: two columns side by side.
        {"saved y",
         "a<BOX COORDS=\"300,-1,100\">c<BR>e<BOX COORDS=\"500,-2,100\">d",
         {{"c", 300, 45}, {"e", 300, 62}, {"d", 500, 45}}},
        {"line spacing",
         "<FONT LINESPACE=10>a<BR>b",
         {{"a", 8, kFirstBase}, {"b", 8, kFirstBase + 4 + 10 + 12}}},
        // A negative spacing fixes the ascent at 2/3 and advances by a third.
        {"negative line spacing",
         "<FONT LINESPACE=-30>a<BR>b",
         {{"a", 8, 16 + 20}, {"b", 8, 36 + 4 + 10 + 20}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        LaidOutPage page;
        page.Lay(c.markup);
        for (const Placement& expected : c.expected) {
            SCOPED_TRACE(expected.word);
            const LayoutElement& element = page.Word(expected.word);
            EXPECT_EQ(element.x, expected.x);
            EXPECT_EQ(element.baseLine, expected.baseLine);
        }
    }
}

TEST(PageLayoutTest, JustifiedColumnsMakeTwoLines) {
    LaidOutPage page;
    page.Lay("<X!2>aa <X!5>bb");
    EXPECT_EQ(page.layout.Lines(), (std::vector<int>{0, 1}));
}

TEST(PageLayoutTest, RowsOfJustifiedColumnsDoNotOverlap) {
    LaidOutPage page;
    page.Lay("<X!1>un<X!4>deux<BR><X!1>trois<X!4>quatre");
    EXPECT_EQ(page.Word("un").baseLine, kFirstBase);
    EXPECT_EQ(page.Word("deux").baseLine, kFirstBase);
    // The break line takes the next row's first word; the second row is one line lower.
    EXPECT_EQ(page.Word("trois").baseLine, kFirstBase + 4 + 1 + 12);
    EXPECT_EQ(page.Word("quatre").baseLine, page.Word("trois").baseLine);
    EXPECT_EQ(page.Word("quatre").x, kMargin + kLineWidth * 4 / 10);
}

TEST(PageLayoutTest, WrappedLinesStartAtTheMarginAndLoseTrailingSpaces) {
    LaidOutPage page;
    page.Lay("<BOX COORDS=\"10,100,100\">aaaa bbbb cccc");
    // Box, aaaa, space, bbbb, space, cccc: the line ends with the space before cccc.
    ASSERT_EQ(page.layout.Lines(), (std::vector<int>{0, 5}));
    const LayoutElement& trailing = page.layout.Element(4);
    EXPECT_TRUE(trailing.IsSpace());
    EXPECT_EQ(trailing.text, "");
    EXPECT_EQ(trailing.width, 0);
}

TEST(PageLayoutTest, GluedRunsMoveToTheNextLineWhole) {
    LaidOutPage page;
    page.Lay("<BOX COORDS=\"10,100,60\">xxxxx ab<B>cd</B>ef");
    const LayoutElement& first = page.Word("ab");
    EXPECT_EQ(first.runWidth, 16 + 18 + 16); // bold characters are one pixel wider
    EXPECT_EQ(page.Word("cd").runWidth, 0);
    EXPECT_EQ(first.x, 10);
    EXPECT_EQ(page.Word("cd").x, 26);
    EXPECT_EQ(page.Word("ef").x, 44);
    EXPECT_EQ(page.Word("cd").baseLine, first.baseLine);
    EXPECT_GT(first.baseLine, page.Word("xxxxx").baseLine);
}

TEST(PageLayoutTest, PicturesTakeTheirScaledSizeAndNeverBreak) {
    LaidOutPage page;
    page.Lay("<IMG SRC=\"pic40x20.bmp\" SCALE=50%> <IMG SRC=\"pic40x20.bmp\" ALIGN=M>"
             "<BOX COORDS=\"0,300,10\"><IMG SRC=\"pic40x20.bmp\"><IMG SRC=\"pic40x20.bmp\">");
    const auto& elements = page.layout.Elements();
    std::vector<const LayoutElement*> pictures;
    for (const LayoutElement& element : elements) {
        if (element.kind == ElementKind::Image) {
            pictures.push_back(&element);
        }
    }
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_EQ(pictures[0]->width, 20);
    EXPECT_EQ(pictures[0]->height, 10);
    EXPECT_EQ(pictures[0]->ascent, 10);
    EXPECT_EQ(pictures[1]->ascent, 10); // M: half the height above the base line
    EXPECT_EQ(pictures[1]->descent, 10);
    // Wider than their box together, and still on one line.
    EXPECT_EQ(pictures[2]->baseLine, pictures[3]->baseLine);
    EXPECT_EQ(pictures[3]->x, 40);
}

TEST(PageLayoutTest, GapWordsAreWidenedForTypingAndCarryTheirEdit) {
    LaidOutPage page;
    page.Lay("Es ist <A GAP lsg=\"maison\" help=\"\">maison</A>.");
    const LayoutElement& gap = page.Word("maison");
    // width("abcmaison") = 72; 72 + 72 / 10 + 8.
    EXPECT_EQ(gap.width, 87);
    ASSERT_EQ(page.document.GapEdits().Count(), 1);
    const TPageEdit& edit = page.document.GapEdits().Edit(0);
    EXPECT_EQ(edit.Left(), gap.x);
    EXPECT_EQ(edit.Top(), gap.baseLine - 12);
    EXPECT_EQ(edit.Width(), 87);
    EXPECT_EQ(edit.Height(), 16);
    EXPECT_EQ(edit.Font().face.height, 13); // one size smaller
    EXPECT_EQ(page.layout.GapElement(0), 4);
}

TEST(PageLayoutTest, DragWordsBecomeTargetsAsWideAsABlock) {
    LaidOutPage page;
    page.Lay("<KLOTZ NR=5>Le <A DRAG>chat</A> dort.");
    const LayoutElement& drag = page.Word("chat");
    EXPECT_EQ(drag.width, 100);
    ASSERT_EQ(page.document.dragTask.TargetCount(), 1);
    const auto& target = page.document.dragTask.Targets()[0];
    EXPECT_EQ(target.word, "chat");
    EXPECT_EQ(target.rect.left, drag.x);
    EXPECT_EQ(target.rect.top, drag.baseLine - 12);
    EXPECT_EQ(drag.dragBlock, 0);
}

TEST(PageLayoutTest, LinksGetOneRectanglePerElement) {
    LaidOutPage page;
    page.Lay("vor <A HREF=\"a.htx\">zwei Worte</A> nach <A HREF=\"@tipp\" FLASH=#FF0000>hier</A>");
    const LinkRectangles& links = page.layout.Links();
    ASSERT_EQ(links.Count(), 4); // "zwei", the space, "Worte", "hier"
    const LinkRectangle& first = links.At(0);
    EXPECT_EQ(page.document.namedRectangles.NameAt(first.name), "a.htx");
    EXPECT_EQ(first.rect, (PageRect{8 + 32, kFirstBase - 12, 8 + 32 + 32, kFirstBase + 4}));
    EXPECT_EQ(links.Group(1), (std::pair<int, int>{0, 2}));
    EXPECT_TRUE(links.At(3).hover);
    EXPECT_EQ(links.EntryAt(8 + 32 + 40, kFirstBase), 1); // edges are inclusive: the space wins
    EXPECT_EQ(links.EntryAt(8 + 32 + 41, kFirstBase), 2);
    EXPECT_EQ(links.EntryAt(8, kFirstBase), -1);
}

TEST(PageLayoutTest, BoxesWithoutHeightGrowWithTheirText) {
    LaidOutPage page;
    page.Lay("<BOX COORDS=\"10,100,40\" COLOR=#FF0000>aaaa bbbb cccc");
    ASSERT_EQ(page.document.boxes.size(), 1u);
    // Three lines: base lines 112, 129 and 146; the box ends 4 below the last one.
    EXPECT_EQ(page.Word("cccc").baseLine, 146);
    EXPECT_EQ(page.document.boxes[0].height, 146 - 100 + 4);
}

TEST(PageLayoutTest, DocumentHeightFollowsTheLowestBaseLine) {
    LaidOutPage page;
    page.Lay("a<BOX COORDS=\"0,900,100\">b");
    EXPECT_EQ(page.layout.DocumentHeight(), 912);
    EXPECT_EQ(PagePainter::BufferHeight(572, page.layout.DocumentHeight()), 928);
    EXPECT_EQ(PagePainter::BufferHeight(572, 100), 572);
}

TEST(PageLayoutTest, TabPositionsFollowTheirEncoding) {
    const std::vector<std::tuple<int, int, int>> cases = {
        {101, 700, 70}, {109, 700, 630}, {50, 700, 350}, {100, 700, 700}, {-35, 700, 35}, {110, 700, 770},
    };
    for (const auto& [tab, width, expected] : cases) {
        SCOPED_TRACE(tab);
        EXPECT_EQ(PageLayout::TabX(tab, width), expected);
    }
}

} // namespace
} // namespace qor::test
