// Painting: the buffer, words and their colours, check boxes, gap and drag words, hover images,
// the word index, and pages that ask for too much.

#include "page/controls/tTippAufgabenListe.h"
#include "page/render/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

// The fixed-advance fonts draw every character as a block from the cell top down to the base
// line, one pixel narrower than its advance.
Colour WordPixel(const LaidOutPage& page, std::string_view word) {
    const LayoutElement& element = page.Word(word);
    return page.painter.Buffer().Pixel(element.x + 1, element.baseLine - 2);
}

TEST(PagePainterTest, BufferCoversTheClientOrTheDocument) {
    LaidOutPage page;
    page.Paint("kurz");
    EXPECT_EQ(page.painter.Buffer().Width(), 800);
    EXPECT_EQ(page.painter.Buffer().Height(), 572);
    page.Paint("a<BOX COORDS=\"0,1000,100\">b");
    EXPECT_EQ(page.painter.Buffer().Height(), 1012 + 16);
}

TEST(PagePainterTest, ColourMarkersAndBackgrounds) {
    struct Case {
        const char* name;
        const char* markup;
        const char* word;
        Colour expected;
    };
    const std::vector<Case> cases = {
        {"page text colour", "<BODY TEXT=#0000FF>wort", "wort", 0xFF0000},
        {"page link colour", "<BODY LINK=#00FF00><A HREF=\"x.htx\">link</A>", "link", 0x00FF00},
        {"own colour", "<FONT COLOR=#FF0000>rot", "rot", 0x0000FF},
        {"background colour", "<BODY BGCOLOR=#102030>", "", 0x302010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LaidOutPage page;
        page.Paint(c.markup);
        if (*c.word == 0) {
            EXPECT_EQ(page.painter.Buffer().Pixel(400, 300), c.expected);
        } else {
            EXPECT_EQ(WordPixel(page, c.word), c.expected);
        }
    }
}

TEST(PagePainterTest, OpaqueBackgroundFillsBehindTheText) {
    LaidOutPage page;
    page.Paint("<FONT BCOLOR=#FFFF00>ab");
    const LayoutElement& word = page.Word("ab");
    // The last column of a character cell is not covered by the glyph block.
    EXPECT_EQ(page.painter.Buffer().Pixel(word.x + 7, word.baseLine - 2), 0x00FFFF);
    EXPECT_EQ(page.painter.Buffer().Pixel(word.x + 1, word.baseLine - 2), 0);
}

TEST(PagePainterTest, CheckBoxesAreFramedAndFilledByState) {
    LaidOutPage page;
    page.document.conditions.Set("an");
    page.Paint("<CHECKBOX COORDS=\"12,4\" NAME=\"an\"> <CHECKBOX COORDS=\"12,4\" NAME=\"aus\">");
    ASSERT_EQ(page.document.checkBoxes.size(), 2u);
    const PageCheckBoxRecord& on = page.document.checkBoxes[0];
    const PageCheckBoxRecord& off = page.document.checkBoxes[1];
    EXPECT_EQ(on.x, 8);
    EXPECT_EQ(on.y, 16);
    EXPECT_EQ(off.x, 8 + 16); // no space element stands before a check box
    const TXBitmap& buffer = page.painter.Buffer();
    EXPECT_EQ(buffer.Pixel(on.x, on.y), 0);
    EXPECT_EQ(buffer.Pixel(on.x + 1, on.y + 1), 0);
    EXPECT_EQ(buffer.Pixel(on.x + 5, on.y + 5), 0);
    EXPECT_EQ(buffer.Pixel(off.x + 1, off.y + 1), 0);
    EXPECT_EQ(buffer.Pixel(off.x + 5, off.y + 5), 0xFFFFFF);
}

TEST(PagePainterTest, GapWordsGoIntoTheEditBackgroundOnly) {
    LaidOutPage page;
    page.Paint("<A GAP lsg=\"maison\" help=\"\">maison</A>");
    const LayoutElement& gap = page.Word("maison");
    EXPECT_EQ(page.painter.Buffer().Pixel(gap.x + 1, gap.baseLine - 2), 0xFFFFFF);
    const TXBitmap& background = page.document.GapEdits().Bitmap(0);
    ASSERT_EQ(background.Width(), gap.width);
    // The gap colour (white by default) on white would hide the word; give it one.
    LaidOutPage coloured;
    coloured.Paint("<BODY GAP=#FF0000><A GAP lsg=\"maison\" help=\"\">maison</A>");
    EXPECT_EQ(coloured.document.GapEdits().Bitmap(0).Pixel(1, 10), 0x0000FF);
    EXPECT_EQ(coloured.painter.Buffer().Pixel(gap.x + 1, gap.baseLine - 2), 0xFFFFFF);
}

TEST(PagePainterTest, DragWordsLeaveSlotsAndBlocks) {
    LaidOutPage page;
    page.Paint("<BODY KLOTZ=#00FF00>Le <A DRAG>chat</A> dort.");
    const LayoutElement& slot = page.Word("chat");
    EXPECT_EQ(page.painter.Buffer().Pixel(slot.x + 50, slot.baseLine - 2), 0x00FF00);
    ASSERT_EQ(page.document.dragTask.BlockCount(), 1);
    const auto& block = page.document.dragTask.Blocks()[0];
    EXPECT_EQ(block.rect.top, 350); // the default block area
    EXPECT_EQ(page.painter.Buffer().Pixel(block.rect.left + 2, block.rect.top + 1), 0x00FF00);
}

TEST(PagePainterTest, WordIndexLooksUpPhrasesAndStrippedWords) {
    LaidOutPage page;
    page.Paint("Il a <W>pomme de terre</W> et (maison). mai<B>son</B>");
    const auto lookup = [&page](std::string_view word) {
        const LayoutElement& element = page.Word(word);
        const auto found = page.painter.Words().At(element.x + 2, element.baseLine);
        return found ? found->text : std::string("-");
    };
    EXPECT_EQ(lookup("terre"), "pomme de terre");
    EXPECT_EQ(lookup("pomme"), "pomme de terre");
    EXPECT_EQ(lookup("(maison)."), "maison");
    EXPECT_EQ(lookup("Il"), "Il");
    EXPECT_EQ(lookup("son"), "maison");
    EXPECT_FALSE(page.painter.Words().At(400, 400));
}

TEST(PagePainterTest, FlashingLinksKeepNormalAndHighlightedImages) {
    LaidOutPage page;
    page.Paint("<A HREF=\"x.htx\" FLASH=#FF0000>eins zwei</A>");
    const LinkRectangles& links = page.layout.Links();
    ASSERT_EQ(links.Count(), 3);
    for (int i = 0; i < links.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(links.At(i).hover);
        EXPECT_FALSE(links.At(i).normalImage.Empty());
    }
    const LinkRectangle& first = links.At(0);
    EXPECT_EQ(first.highlightImage.Pixel(1, 10), 0x0000FF);
    // The normal image shows the run as it stands on the page, in the page link colour.
    EXPECT_EQ(first.normalImage.Pixel(1, 10), 0x008000);
    EXPECT_EQ(WordPixel(page, "eins"), 0x008000);
}

TEST(PagePainterTest, HoverBoxesAreTinted) {
    LaidOutPage page;
    page.Paint("<BOX COORDS=\"100,100,50,30\" HREF=\"x.htx\" ONCOLOR=#FF0000 ONCOL2=#0000FF>");
    const int entry = page.layout.Links().EntryOfName(page.document.boxes[0].rectangleIndex);
    ASSERT_GE(entry, 0);
    const LinkRectangle& hover = page.layout.Links().At(entry);
    ASSERT_FALSE(hover.highlightImage.Empty());
    // White page: the bright side takes ONCOL2.
    const Colour bright = hover.highlightImage.Pixel(5, 5);
    EXPECT_EQ(BlueOf(bright), 0xFF);
    EXPECT_LE(RedOf(bright), 2);
    EXPECT_LE(GreenOf(bright), 2);
    EXPECT_EQ(hover.normalImage.Pixel(5, 5), 0xFFFFFF);
}

TEST(PagePainterTest, BoxesAreFilledAndFramed) {
    LaidOutPage page;
    page.Paint("<BOX COORDS=\"100,100,50,30\" COLOR=#FF0000 BCOLOR=#0000FF BWIDTH=1>"
               "<BOX COORDS=\"300,100,50,30\" COLOR=#00FF00 ALPHA=0>");
    const TXBitmap& buffer = page.painter.Buffer();
    EXPECT_EQ(buffer.Pixel(120, 115), 0x0000FF);
    EXPECT_EQ(buffer.Pixel(100, 115), 0xFF0000);
    EXPECT_EQ(buffer.Pixel(99, 115), 0xFFFFFF);
    EXPECT_EQ(buffer.Pixel(320, 115), 0xFFFFFF); // fully transparent
}

TEST(PagePainterTest, ScaledPicturesAreDrawnAtTheirLayoutSize) {
    LaidOutPage page;
    page.Paint("<IMG SRC=\"pic40x20.bmp\" SCALE=50% ALIGN=T ALT=\"ein Bild\">");
    const TXBitmap& buffer = page.painter.Buffer();
    ASSERT_EQ(page.painter.PicturePlaces().size(), 1u);
    const PageRect rect = page.painter.PicturePlaces()[0].rect;
    EXPECT_EQ(rect.right - rect.left, 20);
    EXPECT_EQ(buffer.Pixel(rect.left + 19, rect.top + 9), 0x3060C0);
    EXPECT_EQ(buffer.Pixel(rect.left + 20, rect.top + 9), 0xFFFFFF);
    const auto alt = page.painter.Words().At(rect.left + 5, rect.top + 5);
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->text, "ein Bild");
}

TEST(PagePainterTest, PagesThatAskForTooMuchStillRender) {
    struct Case {
        const char* name;
        std::string markup;
    };
    std::string manyBoxes;
    for (int i = 0; i < 400; ++i) {
        manyBoxes += "<BOX COORDS=\"" + std::to_string(i % 700) + "," + std::to_string(i) +
                     ",20,20\" COLOR=#FF0000 RADIUS=5>x";
    }
    const std::vector<Case> cases = {
        {"hundreds of boxes", manyBoxes},
        // The picture reader refuses 100 million pixels: the page renders without it.
        {"huge picture", "vor <IMG SRC=\"pic10000x10000.bmp\"> nach"},
        {"huge box", "<BOX COORDS=\"0,0,2000000000,2000000000\" COLOR=#00FF00 RADIUS=40>Text"},
        {"huge ellipse", "<ELLIPSE COORDS=\"0,0,2000000000,2000000000\" COLOR=#00FF00>"},
        {"far down", "<BOX COORDS=\"0,2000000000,100\">tief"},
        {"huge scale", "<IMG SRC=\"pic40x20.bmp\" SCALE=900000%>"},
        {"huge tracking", "<FONT TRACKING=500>abc def"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LaidOutPage page;
        page.Paint(c.markup);
        EXPECT_EQ(page.painter.Buffer().Width(), 800);
        EXPECT_GE(page.painter.Buffer().Height(), 572);
        EXPECT_LE(page.painter.Buffer().Height(), kMaxBufferHeight);
    }
}

TEST(PagePainterTest, HugeBoxFillsTheWholeBuffer) {
    LaidOutPage page;
    page.Paint("<BOX COORDS=\"0,0,2000000000,2000000000\" COLOR=#00FF00>");
    EXPECT_EQ(page.painter.Buffer().Pixel(799, 571), 0x00FF00);
}

TEST(PagePainterTest, RefusedPictureIsReported) {
    LaidOutPage page;
    page.Paint("<IMG SRC=\"pic10000x10000.bmp\">");
    EXPECT_EQ(page.messages.Texts().size(), 1u);
    EXPECT_EQ(page.painter.PicturePlaces().size(), 0u);
}

} // namespace
} // namespace qor::test
