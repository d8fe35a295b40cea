// BODY, DEFINE, ALIAS, COLORS and the page reset.

#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

TEST(BodyTag, PageColoursAndOptions) {
    TestPage page;
    page.Parse(
        "<BODY BGCOLOR=#000000 TEXT=\"#FFFFFF\" LINK=#FF0000 GAP=#00FF00 KLOTZ=#0000FF KBGR=#010203 "
        "MCHAN=#111111 MCHAUS=#222222 WAIT=\"3000,weiter.htx\" ONSHOW=\"zeige\" BACKGROUND=hg.jpg FORM>a");
    const PageColourSet& colours = page.document.pageColours;
    EXPECT_EQ(colours.background, 0x000000);
    EXPECT_EQ(colours.text, 0xFFFFFF);
    EXPECT_EQ(colours.link, 0x0000FF);
    EXPECT_EQ(colours.gap, 0x00FF00);
    EXPECT_EQ(colours.block, 0xFF0000);
    EXPECT_EQ(colours.blockBackground, 0x030201);
    EXPECT_EQ(colours.choiceActive, 0x111111);
    EXPECT_EQ(colours.choiceInactive, 0x222222);
    EXPECT_EQ(page.document.colorBGR, 0x000000) << "copied after the tag";
    EXPECT_EQ(page.document.colorTXT, 0xFFFFFF);
    EXPECT_EQ(page.document.linkColour, 0x0000FF);
    EXPECT_EQ(page.document.autoJump.milliseconds, 3000);
    EXPECT_EQ(page.document.autoJump.target, "weiter.htx");
    EXPECT_EQ(page.document.onShow, "zeige");
    EXPECT_EQ(page.document.backgroundPicture, std::string(kPageFolder) + "hg.jpg");
    EXPECT_TRUE(page.document.formColour);

    page.Parse("b");
    EXPECT_EQ(page.document.pageColours, PageColourSet{}) << "the page reset restores the defaults";
    EXPECT_EQ(page.document.colorBGR, 0xFFFFFF);
    EXPECT_FALSE(page.document.autoJump.Active());
    EXPECT_EQ(page.document.onShow, "");
}

TEST(BodyTag, WaitNeedsADelayAndATarget) {
    struct WaitCase {
        std::string markup;
        int milliseconds;
        std::string target;
    };
    const std::vector<WaitCase> cases = {
        {"<BODY WAIT=\"0,x.htx\">", 0, ""},
        {"<BODY WAIT=\"abc,x.htx\">", 0, ""},
        {"<BODY WAIT=\"500,\">", 0, ""},
        {"<BODY WAIT=\"500\">", 0, ""},
        {"<BODY WAIT=500,x.htx>", 500, "x.htx"},
        {"<DEFINE $z=\"ziel.htx\"><BODY WAIT=\"250, $z\">", 250, "ziel.htx"},
    };
    for (const WaitCase& waitCase : cases) {
        SCOPED_TRACE(waitCase.markup);
        TestPage page;
        page.Parse(waitCase.markup);
        EXPECT_EQ(page.document.autoJump.milliseconds, waitCase.milliseconds);
        EXPECT_EQ(page.document.autoJump.target, waitCase.target);
    }
}

TEST(DefineTag, MacrosWithTagsAndPairs) {
    TestPage page;
    page.Parse("<DEFINE $a=\"eins\" $b=\"{font color='#FF0000'}rot{/font}\" c=\"ohne Dollar\" $=\"leer\">");
    EXPECT_EQ(page.document.macros.Get("a", "?"), "eins");
    EXPECT_EQ(page.document.macros.Get("B", "?"), "<font color=\"#FF0000\">rot</font>");
    EXPECT_EQ(page.document.macros.Get("c", "?"), "ohne Dollar");
    EXPECT_EQ(page.document.macros.Count(), 3);

    page.Parse("$[b]");
    EXPECT_EQ(page.Elements(), std::vector<std::string>{"word \"rot\" color=0x0000FF"})
        << "macros survive the reset";
}

TEST(DefineTag, ValuesWithoutBraceKeepTheirCharacters) {
    TestPage page;
    page.Parse("<DEFINE $a=\"it's {x}\">");
    EXPECT_EQ(page.document.macros.Get("a", "?"), "it's {x}");
}

TEST(AliasTag, PairsAndBareHash) {
    TestPage page;
    page.Parse("<ALIAS #a=\"x.htx\" #=\"nie\" #b=\"y.htx@Hinweis\"><ALIAS #a=\"*\">");
    EXPECT_EQ(page.document.linkAliases.Count(), 2);
    EXPECT_EQ(page.document.linkAliases.Get("#a", "?"), "*x.htx");
    EXPECT_EQ(page.document.linkAliases.Get("#B", "?"), "y.htx@Hinweis");
    page.Parse("a");
    EXPECT_EQ(page.document.linkAliases.Count(), 0) << "link aliases belong to the page";
}

TEST(ColorsTag, NamesForColours) {
    TestPage page;
    page.Parse("<COLORS rot=#FF0000 blau = #0000FF hell=rot gruen=\"#00FF00\">"
               "<FONT COLOR=rot>a<FONT COLOR=BLAU>b<FONT COLOR=hell>c<FONT COLOR=gruen>d<FONT COLOR=lila>e");
    EXPECT_EQ(page.Elements(),
              (std::vector<std::string>{"word \"a\" color=0x0000FF", "word \"b\" color=0xFF0000",
                                        "word \"c\" color=0x0000FF", "word \"d\" color=0x00FF00",
                                        "word \"e\" color=0xFFFFFF"}));
    page.Parse("<FONT COLOR=rot>a");
    EXPECT_EQ(page.Elements(), std::vector<std::string>{"word \"a\" color=0xFFFFFF"})
        << "colour names are cleared";
}

TEST(PageReset, KeepsConditionsMacrosAndNamedStyles) {
    TestPage page;
    page.document.conditions.Set("next");
    page.Parse("<TITLE>t</TITLE><DEFINE $m=\"v\"><FONT SIZE=5 ID=s><A HREF=\"x.htx\">a</A><BODY ONSHOW=\"c\">"
               "<ONCLICK HREF=\"k.htx\" RETURN><MAP NAME=\"m\">");
    page.document.Reset();
    EXPECT_EQ(page.document.title, "ohne Titel");
    EXPECT_TRUE(page.document.elements.Empty());
    EXPECT_EQ(page.document.namedRectangles.Count(), 0);
    EXPECT_EQ(page.document.imageMaps.Count(), 0);
    EXPECT_EQ(page.document.enterTarget, "");
    EXPECT_EQ(page.document.clickTarget, "");
    EXPECT_TRUE(page.document.conditions.Test("next"));
    EXPECT_EQ(page.document.macros.Get("m", "?"), "v");
    EXPECT_EQ(page.document.namedStyles.Count(), 1);
    EXPECT_EQ(page.document.lastStyle, TextStyle{});
    EXPECT_EQ(page.document.dragAreaY, 350);
}

} // namespace
} // namespace qor::test
