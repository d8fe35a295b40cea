// BOX, ELLIPSE and CHECKBOX: box records, their link and hover rectangles, the slide box and
// the elements they add.

#include "MarkupTestSupport.h"

#include <climits>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

struct BoxCase {
    const char* name;
    std::string markup;
    std::string box; // the "[boxes]" line of the dump
    bool composited;
};

TEST(BoxTag, AttributesDefaultsAndClamping) {
    const std::vector<BoxCase> cases = {
        {"coordinates only", "<BOX COORDS=\"10,20,300,40\">", "0 rectangle 10,20,300,40", false},
        {"no height grows with the text", "<BOX COORDS=\"10,20,300\">", "0 rectangle 10,20,300,20 autoheight",
         false},
        {"height to the bottom edge", "<BOX COORDS=\"10,20,300,0\">", "0 rectangle 10,20,300,552", false},
        {"x from the right edge", "<BOX COORDS=\"-10020,10,0,30\">", "0 rectangle 780,10,20,30", false},
        {"attributes before COORDS are dropped", "<BOX COLOR=#FF0000 BWIDTH=3 TOP COORDS=\"1,2,3,4\">",
         "0 rectangle 1,2,3,4", false},
        {"a second COORDS starts again", "<BOX COORDS=\"1,2,3,4\" COLOR=#FF0000 COORDS=\"5,6,7,8\">",
         "0 rectangle 5,6,7,8", false},
        {"fill and border", "<BOX COORDS=\"1,2,3,4\" COLOR=#FF0000 BCOLOR=#00FF00 BWIDTH=2>",
         "0 rectangle 1,2,3,4 fill=0x0000FF border=0x00FF00 bwidth=2", false},
        {"border width clamped", "<BOX COORDS=\"1,2,3,4\" BWIDTH=900>", "0 rectangle 1,2,3,4 bwidth=500",
         false},
        {"negative border width", "<BOX COORDS=\"1,2,3,4\" BWIDTH=-4>", "0 rectangle 1,2,3,4", false},
        {"offset clamped", "<BOX COORDS=\"1,2,3,4\" OFFSET=-900>", "0 rectangle 1,2,3,4 offset=-500", false},
        {"offset not a number", "<BOX COORDS=\"1,2,3,4\" OFFSET=x>", "0 rectangle 1,2,3,4", false},
        {"shape names in any case", "<BOX COORDS=\"1,2,3,4\" SHAPE=random>", "0 random 1,2,3,4", false},
        {"unknown shape keeps the shape", "<BOX COORDS=\"1,2,3,4\" SHAPE=ELLIPSE SHAPE=star>",
         "0 ellipse 1,2,3,4", false},
        {"radius rounds a rectangle", "<BOX COORDS=\"1,2,3,4\" RADIUS=12>", "0 roundrect 1,2,3,4 radius=12",
         true},
        {"radius clamped", "<BOX COORDS=\"1,2,3,4\" RADIUS=50000>", "0 roundrect 1,2,3,4 radius=10000", true},
        {"radius 0 still rounds, flat", "<BOX COORDS=\"1,2,3,4\" RADIUS=0>", "0 roundrect 1,2,3,4 radius=0",
         false},
        {"radius not a number", "<BOX COORDS=\"1,2,3,4\" RADIUS=abc>", "0 roundrect 1,2,3,4", true},
        {"radius keeps an ellipse", "<BOX COORDS=\"1,2,3,4\" SHAPE=ELLIPSE RADIUS=5>",
         "0 ellipse 1,2,3,4 radius=5", true},
        {"opaque alpha", "<BOX COORDS=\"1,2,3,4\" ALPHA=300>", "0 rectangle 1,2,3,4", false},
        {"transparent alpha", "<BOX COORDS=\"1,2,3,4\" ALPHA=100>", "0 rectangle 1,2,3,4 opacity=100", true},
        {"mode", "<BOX COORDS=\"1,2,3,4\" MODE=3>", "0 rectangle 1,2,3,4 mode=3", true},
        {"mode clamped", "<BOX COORDS=\"1,2,3,4\" MODE=999>", "0 rectangle 1,2,3,4 mode=255", true},
        {"filled round rectangle", "<BOX COORDS=\"1,2,3,4\" SHAPE=ROUNDRECT COLOR=#000000>",
         "0 roundrect 1,2,3,4 fill=0x000000", true},
        {"hollow round rectangle", "<BOX COORDS=\"1,2,3,4\" SHAPE=ROUNDRECT BCOLOR=#000000>",
         "0 roundrect 1,2,3,4", false},
        {"ellipse with a border", "<BOX COORDS=\"1,2,3,4\" SHAPE=ELLIPSE BWIDTH=1>",
         "0 ellipse 1,2,3,4 bwidth=1", true},
        {"filled random shape", "<BOX COORDS=\"1,2,3,4\" SHAPE=RANDOM COLOR=#000000>",
         "0 random 1,2,3,4 fill=0x000000", false},
        {"on top", "<BOX COORDS=\"1,2,3,4\" TOP>", "0 rectangle 1,2,3,4 top", false},
        {"hover colours", "<BOX COORDS=\"1,2,3,4\" OFFCOLOR=#FF0000 ONCOL2=#00FF00 OFFCOL2=#0000FF>",
         "0 rectangle 1,2,3,4 offcolor=0x0000FF oncol2=0x00FF00 offcol2=0xFF0000", false},
        {"unknown word ends the tag", "<BOX COORDS=\"1,2,3,4\" FOO COLOR=#FF0000>", "0 rectangle 1,2,3,4",
         false},
    };
    for (const BoxCase& boxCase : cases) {
        SCOPED_TRACE(boxCase.name);
        TestPage page;
        page.Parse(boxCase.markup);
        EXPECT_EQ(SectionLines(page.document, "boxes"), std::vector<std::string>{boxCase.box});
        EXPECT_EQ(page.document.compositedPainting, boxCase.composited);
    }
}

TEST(BoxTag, TextFlowsInsideTheBox) {
    TestPage page;
    page.Parse("a<BOX COORDS=\"40,100,200,50\" ALIGN=M>b<BOX COORDS=\"5,6,7,8\" ALIGN=q>c");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{
                                   "word \"a\"",
                                   "box \"\" box=0 margin=40 boxy=100 linewidth=200 align=centre",
                                   "word \"b\" box=0 margin=40 linewidth=200 align=centre",
                                   "box \"\" box=1 margin=5 boxy=6 linewidth=7",
                                   "word \"c\" box=1 margin=5 linewidth=7",
                               }));
}

TEST(BoxTag, AlignmentWords) {
    const std::vector<std::pair<std::string, TextAlignment>> cases = {
        {"LEFT", TextAlignment::Left},   {"l", TextAlignment::Left},      {"CENTER", TextAlignment::Centre},
        {"M", TextAlignment::Centre},    {"right", TextAlignment::Right}, {"R", TextAlignment::Right},
        {"B", TextAlignment::Justified}, {"X", TextAlignment::Left},
    };
    for (const auto& [word, alignment] : cases) {
        SCOPED_TRACE(word);
        TestPage page;
        page.Parse("<CENTER><BOX COORDS=\"1,2,3,4\" ALIGN=" + word + ">a");
        EXPECT_EQ(page.document.elements.Last().style.alignment, alignment);
    }
}

TEST(BoxTag, NoCoordsNoBox) {
    TestPage page;
    page.Parse("<BOX COLOR=#FF0000 HREF=\"x.htx\">a");
    EXPECT_TRUE(page.document.boxes.empty());
    EXPECT_EQ(page.document.namedRectangles.Count(), 0);
    EXPECT_EQ(page.Elements(), std::vector<std::string>{"word \"a\""});
}

struct BoxLinkCase {
    const char* name;
    std::string markup;
    std::vector<std::string> rectangles; // "[named rectangles]"
    std::string box;
};

TEST(BoxTag, LinkAndHoverRectangles) {
    const std::vector<BoxLinkCase> cases = {
        {"plain link",
         "<BOX COORDS=\"10,20,100,50\" HREF=\"x.htx\">",
         {"0 \"x.htx\" at 10,20,110,70"},
         "0 rectangle 10,20,100,50 rect=0"},
        {"hover without a border",
         "<BOX COORDS=\"10,20,100,50\" HREF=\"x.htx\" ONCOLOR=#FF0000>",
         {"0 \"x.htx\" hover at 10,20,110,70"},
         "0 rectangle 10,20,100,50 oncolor=0x0000FF rect=0"},
        {"hover inset by half the border",
         "<BOX COORDS=\"10,20,100,50\" BWIDTH=5 HREF=\"x.htx\" ONCOLOR=#FF0000>",
         {"0 \"x.htx\" hover at 13,23,107,67"},
         "0 rectangle 10,20,100,50 bwidth=5 oncolor=0x0000FF rect=0"},
        {"even border",
         "<BOX COORDS=\"10,20,100,50\" BWIDTH=4 ONCOLOR=#FF0000 HREF=\"x.htx\">",
         {"0 \"x.htx\" hover at 12,22,108,68"},
         "0 rectangle 10,20,100,50 bwidth=4 oncolor=0x0000FF rect=0"},
        {"hover without a target",
         "<BOX COORDS=\"10,20,100,50\" ONCOLOR=#FF0000>",
         {"0 \"\" hover at 10,20,110,70"},
         "0 rectangle 10,20,100,50 oncolor=0x0000FF rect=0"},
        {"no link", "<BOX COORDS=\"10,20,100,50\">", {}, "0 rectangle 10,20,100,50"},
        {"HREF before COORDS is dropped",
         "<BOX HREF=\"x.htx\" COORDS=\"10,20,100,50\">",
         {},
         "0 rectangle 10,20,100,50"},
    };
    for (const BoxLinkCase& linkCase : cases) {
        SCOPED_TRACE(linkCase.name);
        TestPage page;
        page.Parse(linkCase.markup);
        EXPECT_EQ(SectionLines(page.document, "named rectangles"), linkCase.rectangles);
        EXPECT_EQ(SectionLines(page.document, "boxes"), std::vector<std::string>{linkCase.box});
    }
}

TEST(BoxTag, NumberedTargets) {
    const std::string folder = kPageFolder;
    TestPage page;
    page.document.currentFile = "lek07.htx";
    page.host.files[folder + "lek08.htx"] = "";
    page.Parse("<BOX COORDS=\"1,2,3,4\" HREF=\"!+\"><BOX COORDS=\"1,2,3,4\" HREF=\"!-\">");
    ASSERT_EQ(page.document.namedRectangles.Count(), 2);
    EXPECT_EQ(page.document.namedRectangles.NameAt(0), folder + "lek08.htx");
    EXPECT_TRUE(page.document.conditions.Test("next"));
    EXPECT_EQ(page.document.namedRectangles.NameAt(1), "") << "lek06.htx does not exist";
    EXPECT_FALSE(page.document.conditions.Test("prev"));
}

TEST(BoxTag, DestinationRectangle) {
    TestPage page;
    page.Parse("<BOX COORDS=\"10,20,30,40\">");
    EXPECT_EQ(page.document.destination, (PageRect{0, 0, 800, 572})) << "the whole page until DEST";
    page.Parse("<BOX DEST COORDS=\"10,20,30,40\"><BOX COORDS=\"1,2,3,4\" DEST>");
    EXPECT_EQ(page.document.destination, (PageRect{1, 2, 4, 6}));
    page.Parse("");
    EXPECT_EQ(page.document.destination, (PageRect{0, 0, 800, 572})) << "the page reset";
}

TEST(BoxTag, HugeSizesSaturate) {
    TestPage page;
    page.Parse("<BOX COORDS=\"2000000000,2000000000,2000000000,2000000000\" HREF=\"x\" DEST>a"
               "<BOX COORDS=\"10,10,2147483647,2147483647\" BWIDTH=500 ONCOLOR=#000000>");
    ASSERT_EQ(page.document.boxes.size(), 2u);
    EXPECT_EQ(page.document.boxes[0].width, 2000000000);
    EXPECT_EQ(page.document.namedRectangles.At(0).place,
              (PageRect{2000000000, 2000000000, INT_MAX, INT_MAX}));
    EXPECT_EQ(page.document.destination, (PageRect{2000000000, 2000000000, INT_MAX, INT_MAX}));
    EXPECT_EQ(page.document.namedRectangles.At(1).place, (PageRect{260, 260, INT_MAX - 250, INT_MAX - 250}));
    EXPECT_EQ(page.document.elements.Last().style.lineWidth, 2147483647);
}

TEST(BoxTag, HundredsOfBoxes) {
    std::string markup;
    for (int i = 0; i < 800; ++i) {
        const std::string n = std::to_string(i);
        markup +=
            "<BOX COORDS=\"" + n + "," + n + ",50,20\" HREF=\"s" + n + ".htx\" ONCOLOR=#FF0000>w" + n + " ";
    }
    TestPage page;
    page.Parse(markup);
    ASSERT_EQ(page.document.boxes.size(), 800u);
    ASSERT_EQ(page.document.namedRectangles.Count(), 800);
    EXPECT_EQ(page.document.boxes[799].x, 799);
    EXPECT_EQ(page.document.boxes[799].rectangleIndex, 799);
    EXPECT_EQ(page.document.namedRectangles.NameAt(799), "s799.htx");
    EXPECT_EQ(page.document.elements.Count(), 1600u)
        << "a box and a word each; spaces after a box are dropped";
}

class SlideBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_page.document.SetPictureReader([this](std::string_view path, bool, bool, TXBitmap& bitmap) {
            m_read.emplace_back(path);
            if (path.ends_with("kaputt.bmp")) {
                return false;
            }
            bitmap.Resize(path.ends_with("gross.bmp") ? 120 : 60, 40);
            return true;
        });
    }
    TestPage m_page;
    std::vector<std::string> m_read;
};

TEST_F(SlideBoxTest, PicturesThatLoadAreShown) {
    MessageCapture messages;
    m_page.Parse("<BOX COORDS=\"10,20,240,80\" DIR=\"bilder\\\" LOMO=\"a.bmp|kaputt.bmp| gross.bmp\" "
                 "ZONE2=\"300,20,120,40\" SPEED=70000>");
    const std::string folder = kPageFolder;
    EXPECT_EQ(m_read, (std::vector<std::string>{folder + "bilder\\a.bmp", folder + "bilder\\kaputt.bmp",
                                                folder + "bilder\\gross.bmp"}));
    EXPECT_EQ(SectionLines(m_page.document, "slide box"),
              std::vector<std::string>{"pictures=2 zone1=10,20,250,100 zone2=300,20,420,60 speed=60000"});
    EXPECT_TRUE(messages.Texts().empty()) << "a slide that does not load is left out silently";
}

TEST_F(SlideBoxTest, DefaultsAndDroppedSlideBox) {
    m_page.Parse("<BOX COORDS=\"10,20,240,80\" LOMO=\"a.bmp\" SPEED=abc>");
    EXPECT_EQ(SectionLines(m_page.document, "slide box"),
              std::vector<std::string>{"pictures=1 zone1=10,20,250,100 zone2=- speed=500"});
    m_page.Parse("<BOX COORDS=\"10,20,240,80\" LOMO=\"kaputt.bmp|\">");
    EXPECT_FALSE(m_page.document.slideBox.has_value()) << "no picture loaded";
    EXPECT_EQ(m_page.document.boxes.size(), 1u) << "the box itself stays";
}

TEST(EllipseTag, CentreSizeAndColours) {
    const std::vector<BoxCase> cases = {
        {"centre and size", "<ELLIPSE COORDS=\"100,80,40,20\">", "0 ellipse 100,80,40,20 elliptic", true},
        {"fill makes it filled", "<ELLIPSE COLOR=#FF0000 COORDS=\"100,80,40,20\" BCOLOR=#00FF00 BWIDTH=2>",
         "0 ellipse 100,80,40,20 elliptic fill=0x0000FF border=0x00FF00 bwidth=2", true},
        {"border width clamped", "<ELLIPSE COORDS=\"1,2,3,4\" BWIDTH=501>",
         "0 ellipse 1,2,3,4 elliptic bwidth=500", true},
        {"no coordinates", "<ELLIPSE>", "0 ellipse 0,0,0,0 elliptic", true},
    };
    for (const BoxCase& boxCase : cases) {
        SCOPED_TRACE(boxCase.name);
        TestPage page;
        page.Parse(boxCase.markup);
        EXPECT_EQ(SectionLines(page.document, "boxes"), std::vector<std::string>{boxCase.box});
        EXPECT_EQ(page.document.compositedPainting, boxCase.composited);
    }
    TestPage page;
    page.Parse("<ELLIPSE COORDS=\"100,80,40,20\">a");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{"box \"\" box=0 boxy=80", "word \"a\" box=0"}))
        << "an ellipse does not move the text";
}

struct CheckBoxCase {
    const char* name;
    std::string markup;
    std::vector<std::string> conditions;
    std::string checkBox; // "[check boxes]" line
};

TEST(CheckBoxTag, StateNameAndSize) {
    const std::vector<CheckBoxCase> cases = {
        {"unchecked", "<CHECKBOX COORDS=\"12,4\" NAME=\"agb\">", {}, "0 \"agb\" size=12 gap=4"},
        {"CHECKED", "<CHECKBOX NAME=\"agb\" CHECKED COORDS=\"12,4\">", {}, "0 \"agb\" size=12 gap=4 checked"},
        {"condition holds",
         "<CHECKBOX COORDS=\"12,4\" NAME=\"agb\">",
         {"AGB"},
         "0 \"agb\" size=12 gap=4 checked"},
        {"other condition", "<CHECKBOX COORDS=\"12,4\" NAME=\"agb\">", {"agbx"}, "0 \"agb\" size=12 gap=4"},
        {"flash colour",
         "<CHECKBOX COORDS=\"12\" FLASH=#FF0000 NAME=\"a\">",
         {},
         "0 \"a\" size=12 gap=0 flash=0x0000FF"},
        {"sizes clamped", "<CHECKBOX COORDS=\"-5,99999\" NAME=\"a\">", {}, "0 \"a\" size=0 gap=10000"},
        {"no attributes", "<CHECKBOX>", {}, "0 \"\" size=0 gap=0"},
    };
    for (const CheckBoxCase& boxCase : cases) {
        SCOPED_TRACE(boxCase.name);
        TestPage page;
        for (const std::string& condition : boxCase.conditions) {
            page.document.conditions.Set(condition);
        }
        page.Parse(boxCase.markup);
        EXPECT_EQ(SectionLines(page.document, "check boxes"), std::vector<std::string>{boxCase.checkBox});
    }
}

TEST(CheckBoxTag, ElementAndLink) {
    TestPage page;
    page.Parse("<CHECKBOX COORDS=\"12,4\" NAME=\"a\">x <CHECKBOX COORDS=\"10,2\" NAME=\"b\" CHECKED>");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{
                                   "checkbox \"\" cbsize=12 cbgap=4 color=0x5FFFFFFF link=0",
                                   "word \"x\" cbsize=12 cbgap=4 color=0x5FFFFFFF",
                                   "checkbox \"\" checkbox=1 cbsize=10 cbgap=2 color=0x5FFFFFFF link=1",
                               }));
    EXPECT_EQ(SectionLines(page.document, "named rectangles"),
              (std::vector<std::string>{"0 \"+a\"", "1 \"+b\""}));
}

} // namespace
} // namespace qor::test
