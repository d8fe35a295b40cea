// Style tags: B, I, U, EM, INV, CLEAR, H1-H6, TT, PRE, W, FONT, named styles, alignment.

#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

struct StyleCase {
    const char* name;
    std::string markup;
    std::vector<std::string> elements;
};

void RunCases(const std::vector<StyleCase>& cases) {
    for (const StyleCase& styleCase : cases) {
        SCOPED_TRACE(styleCase.name);
        TestPage page;
        page.Parse(styleCase.markup);
        EXPECT_EQ(page.Elements(), styleCase.elements);
    }
}

TEST(TextTags, StyleBits) {
    RunCases({
        {"bold", "<B>a</B>b", {"word \"a\" bits=b", "word \"b\""}},
        {"strong", "<STRONG>a</STRONG>b", {"word \"a\" bits=b", "word \"b\""}},
        {"italic and cite",
         "<I>a</I><CITE>b</CITE>c",
         {"word \"a\" bits=i", "word \"b\" bits=i", "word \"c\""}},
        {"underline", "<u>a</u>", {"word \"a\" bits=u"}},
        {"emphasis", "<EM>a</EM>b", {"word \"a\" bits=bi", "word \"b\""}},
        {"closing tags are instructions, not matches",
         "<B><I>a</B>b",
         {"word \"a\" bits=bi", "word \"b\" bits=i"}},
        {"HR makes nothing", "a<HR SIZE=3>b", {"word \"a\"", "word \"b\""}},
        {"names ignore case", "<b>a<Br>b", {"word \"a\" bits=b", "break \"\" bits=b", "word \"b\" bits=b"}},
    });
}

TEST(TextTags, Headings) {
    RunCases({
        {"H2 and back", "<H2>Titel</H2>x", {"word \"Titel\" bits=b size=5", "word \"x\""}},
        {"H1 is size 6", "<H1>a", {"word \"a\" bits=b size=6"}},
        {"H6 is size 1", "<H6>a", {"word \"a\" bits=b size=1"}},
        {"H7 is ignored", "<H7>a", {"word \"a\""}},
        {"HEAD is ignored", "<HEAD>a</HEAD>b", {"word \"a\"", "word \"b\""}},
        {"HTML has no effect", "<HTML>a</HTML>", {"word \"a\""}},
        {"closing heading keeps the colour",
         "<H3><FONT COLOR=#FF0000>a</H3>b",
         {"word \"a\" bits=b size=4 color=0x0000FF", "word \"b\" color=0x0000FF"}},
    });
}

TEST(TextTags, TeletypeAndInverse) {
    RunCases({
        {"TT one size smaller", "<TT>a</TT>b", {"word \"a\" font=\"Courier New\" size=2", "word \"b\""}},
        {"inverse on the page colours",
         "<INV>a</INV>b",
         {"word \"a\" color=0x000000 bgcolor=0x7FFFFFFF transparent=0", "word \"b\""}},
        {"white on white becomes white on black",
         "<FONT COLOR=#FFFFFF BCOLOR=#FFFFFF><INV>a",
         {"word \"a\" color=0x000000 bgcolor=0xFFFFFF transparent=0"}},
        {"black on black becomes black on white",
         "<FONT COLOR=#000000 BCOLOR=#000000><INV>a",
         {"word \"a\" color=0xFFFFFF transparent=0"}},
        {"CLEAR makes the background transparent",
         "<FONT BCOLOR=#00FF00>a<CLEAR>b",
         {"word \"a\" bgcolor=0x00FF00 transparent=0", "word \"b\" bgcolor=0x00FF00"}},
    });
}

TEST(TextTags, Alignment) {
    RunCases({
        {"center", "<CENTER>a</CENTER>b", {"word \"a\" align=centre", "word \"b\""}},
        {"right", "<RIGHT>a", {"word \"a\" align=right"}},
        {"block", "<BLOCK>a", {"word \"a\" align=justified"}},
    });
}

TEST(TextTags, WordGroupsGetARandomValue) {
    TestPage page;
    page.Parse("<W>a b</W>c");
    ASSERT_EQ(page.document.elements.Count(), 4u);
    const int value = page.document.elements[0].style.randomValue;
    EXPECT_GE(value, 0);
    EXPECT_LT(value, 100);
    EXPECT_EQ(page.document.elements[2].style.randomValue, value);
    EXPECT_EQ(page.document.elements[3].style.randomValue, -1);
}

TEST(FontTag, Attributes) {
    RunCases({
        {"size is clamped", "<FONT SIZE=900>a", {"word \"a\" size=720"}},
        {"size that is no number", "<FONT SIZE=abc>a", {"word \"a\""}},
        {"signed size is relative",
         "<FONT SIZE=+2>a<FONT SIZE=-1>b",
         {"word \"a\" size=5", "word \"b\" size=4"}},
        {"relative size stays at least 0", "<FONT SIZE=-9>a", {"word \"a\" size=0"}},
        {"colour", "<FONT COLOR=#FF0000>a", {"word \"a\" color=0x0000FF"}},
        {"quoted colour", "<FONT COLOR=\"#00FF00\">a", {"word \"a\" color=0x00FF00"}},
        {"first installed face", "<FONT FACE=\"Wingdings, arial, Verdana\">a", {"word \"a\" font=\"arial\""}},
        {"no face installed", "<FONT FACE=\"Wingdings\">a", {"word \"a\""}},
        {"line spacing",
         "<FONT LINESPACE=10>a<FONT LINESPACE=0>b<FONT LINESPACE=x>c",
         {"word \"a\" linespace=2010", "word \"b\" linespace=0", "word \"c\" linespace=0"}},
        {"tracking is clamped", "<FONT TRACKING=600>a", {"word \"a\" tracking=500"}},
        {"background on and off",
         "<FONT BCOLOR=#0000FF>a<FONT BCOLOR=off>b",
         {"word \"a\" bgcolor=0xFF0000 transparent=0", "word \"b\" bgcolor=0xFF0000"}},
        {"flash and link colours",
         "<FONT FLASH=#FF0000 LINK=#00FF00>a",
         {"word \"a\" linkcolor=0x00FF00 flash=0x0000FF"}},
        {"attribute names ignore case", "<font size=4 color=#0000ff>a", {"word \"a\" size=4 color=0xFF0000"}},
        {"unknown attribute ends the tag", "<FONT SIZE=4 BOGUS=1 COLOR=#FF0000>a", {"word \"a\" size=4"}},
        {"missing equals ends the tag", "<FONT SIZE 4 COLOR=#FF0000>a", {"word \"a\""}},
        // Every attribute saves the block first, so /FONT only undoes the last one of the tag.
        {"closing FONT undoes the last attribute",
         "<B><FONT SIZE=5 COLOR=#FF0000>a</FONT>b",
         {"word \"a\" bits=b size=5 color=0x0000FF", "word \"b\" bits=b size=5"}},
        {"closing FONT restores the face",
         "<FONT FACE=\"Arial\">a</FONT>b",
         {"word \"a\" font=\"Arial\"", "word \"b\""}},
        {"closing FONT restores the state before the last change",
         "<FONT SIZE=5><FONT SIZE=6>a</FONT>b",
         {"word \"a\" size=6", "word \"b\" size=5"}},
    });
}

TEST(FontTag, NamedStyles) {
    RunCases({
        {"ID captures without changing the page",
         "<FONT COLOR=#FF0000 ID=rot>a<+rot>b",
         {"word \"a\"", "word \"b\" color=0x0000FF"}},
        {"attributes after ID apply", "<FONT COLOR=#FF0000 ID=rot SIZE=5>a", {"word \"a\" size=5"}},
        {"the later style of a name wins",
         "<FONT SIZE=1 ID=s><FONT SIZE=2 ID=s><+s>a",
         {"word \"a\" size=2"}},
        {"line spacing and tracking travel along",
         "<FONT LINESPACE=5 TRACKING=2 ID=w>a<+w>b",
         {"word \"a\"", "word \"b\" linespace=2005 tracking=2"}},
        {"own line spacing wins",
         "<FONT LINESPACE=5 ID=w><FONT LINESPACE=7><+w>a",
         {"word \"a\" linespace=2007"}},
        {"a style's line spacing is not the page's own",
         "<FONT LINESPACE=5 ID=w><FONT LINESPACE=9 ID=v><+w>a<+v>b",
         {"word \"a\" linespace=2005", "word \"b\" linespace=2009"}},
        {"ID captures only the spacing of its own tag",
         "<FONT LINESPACE=5 TRACKING=3 ID=w><+w><FONT COLOR=#FF0000 ID=rot>a<+rot>b",
         {"word \"a\" linespace=2005 tracking=3", "word \"b\" color=0x0000FF"}},
        {"transparent style keeps the opaque colour",
         "<FONT ID=plain><FONT BCOLOR=#00FF00><+plain>a",
         {"word \"a\" bgcolor=0x00FF00"}},
    });
}

TEST(FontTag, UnknownNamedStyleIsReported) {
    MessageCapture messages;
    TestPage page;
    page.Parse("<FONT COLOR=#FF0000 ID=rot><+ROT>a");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"KEIN + gefunden! +ROT"});
    EXPECT_EQ(page.Elements(), std::vector<std::string>{"word \"a\""});
    ASSERT_EQ(page.document.namedStyles.Count(), 1);
    EXPECT_EQ(page.document.namedStyles.At(0).name, "rot");
}

TEST(FontTag, NamedStylesSurviveThePageReset) {
    TestPage page;
    page.Parse("<FONT SIZE=6 ID=gross>");
    page.Parse("<+gross>a");
    EXPECT_EQ(page.Elements(), std::vector<std::string>{"word \"a\" size=6"});
}

} // namespace
} // namespace qor::test
