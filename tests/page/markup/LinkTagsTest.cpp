// A, /A, ONCLICK and numbered pages.

#include "MarkupTestSupport.h"
#include "page/markup/PagePath.h"
#include "page/markup/TagHandlers.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

const std::string kLink = " bits=u color=0x5FFFFFFF";

std::vector<std::string> RectangleNames(const PageDocument& document) {
    std::vector<std::string> names;
    for (int i = 0; i < document.namedRectangles.Count(); ++i) {
        names.push_back(document.namedRectangles.NameAt(i));
    }
    return names;
}

struct LinkCase {
    const char* name;
    std::string markup;
    std::vector<std::string> elements;
    std::vector<std::string> rectangles;
};

TEST(LinkTag, LinksAndHotSpots) {
    const std::vector<LinkCase> cases = {
        {"plain link",
         "<A HREF=\"seite2.htx\">a</A>b",
         {"word \"a\"" + kLink + " link=0", "word \"b\""},
         {"seite2.htx"}},
        {"link colour of the style",
         "<FONT LINK=#0000FF><A HREF=\"x.htx\">a",
         {"word \"a\" bits=u color=0xFF0000 linkcolor=0xFF0000 link=0"},
         {"x.htx"}},
        {"flashing link is not underlined",
         "<A HREF=\"x.htx\" FLASH=#FF0000>a",
         {"word \"a\" color=0x5FFFFFFF flash=0x0000FF link=0 flashing=1"},
         {"x.htx"}},
        {"flash colour already set",
         "<FONT FLASH=#FF0000><A HREF=\"x.htx\">a",
         {"word \"a\" color=0x5FFFFFFF flash=0x0000FF link=0 flashing=1"},
         {"x.htx"}},
        {"hint target is a hot spot",
         "<A HREF=\"@Ein Hinweis\">a</A>",
         {"word \"a\" linkkind=1 link=0"},
         {"%@Ein Hinweis"}},
        {"star sets the focus",
         "<A HREF=\"*x.htx\">a",
         {"word \"a\"" + kLink + " link=0 focus=1"},
         {"x.htx"}},
        {"FOCUS attribute",
         "<A FOCUS HREF=\"x.htx\">a",
         {"word \"a\"" + kLink + " link=0 focus=1"},
         {"x.htx"}},
        {"macro target",
         "<DEFINE $ziel=\"y.htx\"><A HREF=\"$ziel\">a",
         {"word \"a\"" + kLink + " link=0"},
         {"y.htx"}},
        {"alias target keeps its name",
         "<ALIAS #w=\"y.htx\"><A HREF=\"#w\">a",
         {"word \"a\"" + kLink + " link=0"},
         {"#w"}},
        {"command target", "<A HREF=\"\xA7stats\">a", {"word \"a\"" + kLink + " link=0"}, {"\xA7stats"}},
        {"HOT names a hot spot",
         "<A HOT=\"tipp\">a</A>b",
         {"word \"a\" linkkind=1 link=0", "word \"b\""},
         {"@tipp"}},
        {"empty HOT makes nothing", "<A HOT=\"\">a</A>", {"word \"a\""}, {}},
        {"missing quote makes nothing", "<A HREF=x.htx>a</A>", {"word \"a\""}, {}},
        {"stray /A changes nothing", "<FONT COLOR=#FF0000></A>a", {"word \"a\" color=0x0000FF"}, {}},
        {"/A restores colour and bits",
         "<B><A HREF=\"x.htx\">a</A>b",
         {"word \"a\" bits=bu color=0x5FFFFFFF link=0", "word \"b\" bits=b"},
         {"x.htx"}},
        {"two links",
         "<A HREF=\"a.htx\">a</A> <A HREF=\"b.htx\">b</A>",
         {"word \"a\"" + kLink + " link=0", "space \" \"", "word \"b\"" + kLink + " link=1"},
         {"a.htx", "b.htx"}},
    };
    for (const LinkCase& linkCase : cases) {
        SCOPED_TRACE(linkCase.name);
        TestPage page;
        page.Parse(linkCase.markup);
        EXPECT_EQ(page.Elements(), linkCase.elements);
        EXPECT_EQ(RectangleNames(page.document), linkCase.rectangles);
    }
}

TEST(LinkTag, LinkToTheShownPageMakesNoLink) {
    TestPage page;
    page.document.currentFile = "seite.htx";
    page.Parse("<A HREF=\"seite.htx\">a</A> <A HREF=\"SEITE.HTX@oben\">b</A> <A HREF=\"andere.htx\">c</A>");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{"word \"a\"", "space \" \"", "word \"b\"",
                                                         "space \" \"", "word \"c\"" + kLink + " link=0"}));
    EXPECT_EQ(RectangleNames(page.document), std::vector<std::string>{"andere.htx"});
}

TEST(LinkTag, ReturnAndOnClickSetTheTargets) {
    TestPage page;
    page.Parse("<A HREF=\"weiter.htx\" RETURN>a</A>");
    EXPECT_EQ(page.document.enterTarget, "weiter.htx");

    page.Parse("<ONCLICK HREF=\"klick.htx\" RETURN>");
    EXPECT_EQ(page.document.clickTarget, "klick.htx");
    EXPECT_EQ(page.document.enterTarget, "klick.htx");

    page.Parse("<A HREF=\"erst.htx\" RETURN>a</A><ONCLICK HREF=\"klick.htx\" RETURN>");
    EXPECT_EQ(page.document.enterTarget, "erst.htx") << "an Enter target that is set stays";
    EXPECT_EQ(page.document.clickTarget, "klick.htx");

    page.Parse("<ONCLICK HREF=\"klick.htx\">");
    EXPECT_EQ(page.document.enterTarget, "");
    page.Parse("<ONCLICK TARGET=\"klick.htx\">");
    EXPECT_EQ(page.document.clickTarget, "") << "HREF is required";
}

struct NumberedCase {
    const char* currentFile;
    const char* target;
    std::vector<std::string> existing;
    std::string expected;
    bool next;
    bool prev;
};

TEST(NumberedPages, StepsTheNumberBeforeTheExtension) {
    const std::string folder = kPageFolder;
    const std::vector<NumberedCase> cases = {
        {"lek07.htx", "!+", {"lek08.htx"}, folder + "lek08.htx", true, false},
        {"lek9.htx", "!+", {"lek10.htx"}, folder + "lek10.htx", true, false},
        {"lek.htx", "!+", {"lek1.htx"}, folder + "lek1.htx", true, false},
        {"lek07.htx", "!-", {"lek06.htx"}, folder + "lek06.htx", false, true},
        {"lek10.htx", "!-", {"lek09.htx"}, folder + "lek09.htx", false, true},
        {"lek07.htx", "!+@oben", {"lek08.htx"}, folder + "lek08.htx@oben", true, false},
        {"lek07.htx", "!+", {}, "", false, false},
        {"lek07.htx", "!x", {"lek08.htx"}, "", false, false},
    };
    for (const NumberedCase& numbered : cases) {
        SCOPED_TRACE(std::string(numbered.currentFile) + " " + numbered.target);
        TestPage page;
        page.document.currentFile = numbered.currentFile;
        page.document.conditions.Set(numbered.target[1] == '-' ? "prev" : "next");
        for (const std::string& file : numbered.existing) {
            page.host.files[folder + file] = "";
        }
        EXPECT_EQ(ResolveNumberedTarget(page.document, page.host, numbered.target), numbered.expected);
        if (numbered.target[1] == '+') {
            EXPECT_EQ(page.document.conditions.Test("next"), numbered.next);
        } else if (numbered.target[1] == '-') {
            EXPECT_EQ(page.document.conditions.Test("prev"), numbered.prev);
        }
    }
}

TEST(NumberedPages, LinksAndAliasesUseTheResolvedPath) {
    TestPage page;
    page.document.currentFile = "lek07.htx";
    page.host.files[std::string(kPageFolder) + "lek08.htx"] = "";
    page.Parse("<ALIAS #weiter=\"!+\" #zurueck=\"!-\"><A HREF=\"!+\">a</A>");
    EXPECT_EQ(RectangleNames(page.document),
              std::vector<std::string>{std::string(kPageFolder) + "lek08.htx"});
    EXPECT_EQ(page.document.linkAliases.Get("#weiter", "?"), std::string(kPageFolder) + "lek08.htx");
    EXPECT_EQ(page.document.linkAliases.Get("#zurueck", "?"), "");
    EXPECT_TRUE(page.document.conditions.Test("next"));
    EXPECT_FALSE(page.document.conditions.Test("prev"));
}

TEST(NumberedPages, NameArithmetic) {
    EXPECT_EQ(NumberedPageName("lek07.htx", 1), "lek08.htx");
    EXPECT_EQ(NumberedPageName("lek99.htx", 1), "lek100.htx");
    EXPECT_EQ(NumberedPageName("lek9.htx", 1), "lek10.htx");
    EXPECT_EQ(NumberedPageName("lek.htx", 1), "lek1.htx");
    EXPECT_EQ(NumberedPageName("lek01.htx", -1), "lek00.htx");
    EXPECT_EQ(NumberedPageName("lek5", 1), "lek6");
    EXPECT_EQ(NumberedPageName("a.b\\lek", 1), "a.b\\lek1");
}

} // namespace
} // namespace qor::test
