// The scan: words, spaces, "<<", comments, macros, entities, preformatted text.

#include "MarkupTestSupport.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

struct ScanCase {
    const char* name;
    std::string markup;
    std::vector<std::string> elements;
};

void RunCases(const std::vector<ScanCase>& cases) {
    for (const ScanCase& scanCase : cases) {
        SCOPED_TRACE(scanCase.name);
        TestPage page;
        page.Parse(scanCase.markup);
        EXPECT_EQ(page.Elements(), scanCase.elements);
    }
}

TEST(Scan, WordsSpacesAndLiteralBrackets) {
    RunCases({
        {"double bracket writes a bracket", "<<b>", {"word \"<b>\""}},
        {"double bracket inside text", "a<<b", {"word \"a\"", "word \"<b\""}},
        {"comment shows nothing", "<!-- x -->", {}},
        {"comment ends at the first bracket",
         "<!-- a > b -->",
         {"word \"b\"", "space \" \"", "word \"-->\""}},
        {"runs of whitespace give one space", "a  \r\n b", {"word \"a\"", "space \" \"", "word \"b\""}},
        {"no space at the start of the page", "  \r\n a", {"word \"a\""}},
        {"no space after a line break", "a<BR> \r\n b", {"word \"a\"", "break \"\"", "word \"b\""}},
        {"no space after a paragraph", "a <P> b", {"word \"a\"", "paragraph \"\"", "word \"b\""}},
        {"trailing whitespace makes no space", "a \r\n", {"word \"a\""}},
        {"control characters end words",
         "a\tb\x01"
         "c",
         {"word \"a\"", "space \" \"", "word \"b\"", "space \" \"", "word \"c\""}},
        {"unterminated tag ends the scan", "a b <B c d", {"word \"a\"", "space \" \"", "word \"b\""}},
        {"a zero byte ends the text", std::string("a\0b", 3), {"word \"a\""}},
        {"unknown tags are ignored", "a<BLINK>b", {"word \"a\"", "word \"b\""}},
        {"closing P has no effect", "a</P>b", {"word \"a\"", "word \"b\""}},
    });
}

TEST(Scan, SpaceTakesTheStyleAtTheWhitespaceWhenATagFollows) {
    RunCases({
        {"underlined space", "<U>a b</U>", {"word \"a\" bits=u", "space \" \" bits=u", "word \"b\" bits=u"}},
        {"bold space, italic word",
         "<B>a <I>b</I></B>",
         {"word \"a\" bits=b", "space \" \" bits=b", "word \"b\" bits=bi"}},
        {"tag before the whitespace", "a<B> b", {"word \"a\"", "space \" \" bits=b", "word \"b\" bits=b"}},
        {"tag after the whitespace", "a <B>b", {"word \"a\"", "space \" \"", "word \"b\" bits=b"}},
    });
}

TEST(Scan, SpaceBetweenDifferentLinksBelongsToNeither) {
    TestPage page;
    page.Parse("a<A HREF=\"x.htx\"> b</A>");
    ASSERT_EQ(page.document.elements.Count(), 3u);
    const TextStyle& space = page.document.elements[1].style;
    EXPECT_EQ(space.linkRectangle, -1);
    EXPECT_EQ(space.block.linkKind, 0);
    EXPECT_EQ(page.document.elements[2].style.linkRectangle, 0);

    page.Parse("<A HREF=\"x.htx\">a b</A>");
    ASSERT_EQ(page.document.elements.Count(), 3u);
    EXPECT_EQ(page.document.elements[1].style.linkRectangle, 0) << "a space inside one link stays in it";
}

TEST(Scan, PositionsAndJustifiedLineStarts) {
    RunCases({
        {"X gives the next word a tab position",
         "a <X5>b",
         {"word \"a\"", "space \" \"", "word \"b\" tab=105"}},
        {"the position is used once", "<X50>a b", {"word \"a\" tab=50", "space \" \"", "word \"b\""}},
        {"justified position starts a line",
         "a <X!5>b",
         {"word \"a\"", "word \"b\" tab=105 align=justified"}},
        {"negative position is pixels", "<X-30>a", {"word \"a\" tab=-30"}},
        {"X0 is no position", "<X0>a", {"word \"a\""}},
        {"XSTYLE has no effect", "<XSTYLE>a", {"word \"a\""}},
    });
}

TEST(Scan, Macros) {
    RunCases({
        {"dollar inside a word is text", "<DEFINE $x=\"Z\">a$[x]b", {"word \"a$[x]b\""}},
        {"macro with tags", "<DEFINE $x=\"{b}hi{/b}\">$[x]", {"word \"hi\" bits=b"}},
        {"macro after whitespace",
         "<DEFINE $x=\"Welt\">Hallo $[x]!",
         {"word \"Hallo\"", "space \" \"", "word \"Welt\"", "word \"!\""}},
        {"undefined macro without handler", "$[x]", {"word \"[undefined]\""}},
        {"dollar without bracket is text", "$[abc def", {"word \"$[abc\"", "space \" \"", "word \"def\""}},
        {"dollar alone is text", "$5 $", {"word \"$5\"", "space \" \"", "word \"$\""}},
        {"a macro that names itself stays text", "<DEFINE $x=\"$[x]\">$[x]", {"word \"$[x]\""}},
        {"empty macro", "<DEFINE $x=\"\">a $[x] b", {"word \"a\"", "space \" \"", "word \"b\""}},
        {"macro names ignore case", "<DEFINE $Name=\"v\">$[NAME]", {"word \"v\""}},
        {"unterminated tag in a macro ends the scan", "<DEFINE $x=\"{b\">a $[x] c", {"word \"a\""}},
    });
}

TEST(Scan, UndefinedMacroAsksTheSpecialCodeHandler) {
    TestPage page;
    std::vector<std::string> asked;
    page.host.SetSpecialCodeHandler([&asked](std::string& code) {
        asked.push_back(code);
        code = "<I>" + code + "!";
    });
    page.Parse("<DEFINE $known=\"k\">$[known] $[frage]");
    EXPECT_EQ(asked, std::vector<std::string>{"frage"});
    EXPECT_EQ(page.Elements(),
              (std::vector<std::string>{"word \"k\"", "space \" \"", "word \"frage!\" bits=i"}));
}

TEST(Scan, FirstEntityOfAWordIsDecoded) {
    RunCases({
        {"amp", "&amp;x", {"word \"&x\""}},
        {"only the first", "a&lt;b&gt;", {"word \"a<b&gt;\""}},
        {"latin-1 name", "&eacute;t&eacute;", {"word \"ét&eacute;\""}},
        {"nbsp", "&nbsp;", {"word \"\xC2\xA0\""}},
        {"yuml", "&yuml;", {"word \"ÿ\""}},
        {"quot", "&quot;", {"word \"\\\"\""}},
        {"nil gives nothing", "&nil;x", {"word \"x\""}},
        {"unknown name gives nothing", "a&foo;b", {"word \"ab\""}},
        {"no semicolon", "a&b", {"word \"a&b\""}},
    });
}

TEST(Scan, PreformattedTextKeepsLineEnds) {
    const std::string pre = " font=\"Courier New\" size=2 pre=1";
    RunCases({
        {"lines become breaks",
         "<PRE>\r\nline one\r\n  two\r\n\r\nend</PRE>x",
         {"word \"line\"" + pre, "space \" \"" + pre, "word \"one\"" + pre, "break \"\"" + pre,
          "word \"two\"" + pre, "break \"\"" + pre, "break \"\"" + pre, "word \"end\"" + pre, "word \"x\""}},
        {"a run without a line end is one space",
         "<PRE>a   b</PRE>",
         {"word \"a\"" + pre, "space \" \"" + pre, "word \"b\"" + pre}},
        {"bare line feeds count too",
         "<PRE>a\nb\rc</PRE>",
         {"word \"a\"" + pre, "break \"\"" + pre, "word \"b\"" + pre, "break \"\"" + pre,
          "word \"c\"" + pre}},
    });
}

TEST(Scan, GapWordsRunToTheNextTag) {
    TestPage page;
    page.tags.Add("GAPTEST", TagMatch::Exact, WhileSkipping::Ignored,
                  [](TagContext& context) { context.style.gapIndex = 4; });
    page.tags.Add("/GAPTEST", TagMatch::Exact, WhileSkipping::Ignored,
                  [](TagContext& context) { context.style.gapIndex = -1; });
    page.Parse("a <GAPTEST>le chat noir</GAPTEST> b");
    EXPECT_EQ(page.Elements(),
              (std::vector<std::string>{"word \"a\"", "space \" \"", "word \"le chat noir\" gap=4",
                                        "space \" \"", "word \"b\""}));
}

TEST(Scan, ImageElementsTakeThePendingSpace) {
    TestPage page;
    std::vector<std::string> codes;
    page.host.SetPictureRequestHandler([&codes](std::string_view code, TXBitmap& bitmap) {
        codes.emplace_back(code);
        bitmap.SetPixel(0, 0, 0x123456);
    });
    page.Parse("a <IMG SRC=\"%20x10=stern\" ALT=\"Stern\"> b <IMG SRC=\"%zz=mond\">");
    EXPECT_EQ(codes, (std::vector<std::string>{"stern", "mond"}));
    EXPECT_EQ(page.Elements(),
              (std::vector<std::string>{
                  "word \"a\"", "space \" \"", "image \"\" picture=0 picalign=5 alt=\"Stern\"",
                  "space \" \" picalign=5 alt=\"Stern\"", "word \"b\" picalign=5 alt=\"Stern\"",
                  "space \" \" picalign=5 alt=\"Stern\"", "image \"\" picture=1 picalign=5"}));
    ASSERT_EQ(page.document.pictures.Count(), 2);
    EXPECT_EQ(page.document.pictures.At(0).bitmap.Width(), 20);
    EXPECT_EQ(page.document.pictures.At(0).bitmap.Height(), 10);
    EXPECT_EQ(page.document.pictures.At(0).bitmap.Pixel(0, 0), 0x123456);
    EXPECT_EQ(page.document.pictures.At(1).bitmap.Width(), 100) << "an unreadable size gives 100 x 60";
    EXPECT_EQ(page.document.pictures.At(1).bitmap.Height(), 60);
}

TEST(Scan, CodePageTextStaysSingleByte) {
    TestPage page;
    page.Parse(std::string("Gr") + std::string("üße"_cp));
    ASSERT_EQ(page.document.elements.Count(), 1u);
    EXPECT_EQ(page.document.elements[0].text, std::string("Gr") + std::string("üße"_cp));
}

} // namespace
} // namespace qor::test
