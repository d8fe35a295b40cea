// The exercise tags: A GAP, A DRAG, EDIT, KLOTZ and SATZ.

#include "MarkupTestSupport.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/render/StyleFont.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

struct GapCase {
    const char* name;
    std::string markup;
    std::vector<std::string> solutions;
    std::string help;
    std::string hint;
    std::string reaction;
};

TEST(GapLink, SolutionsHelpTipAndReaction) {
    const std::vector<GapCase> cases = {
        {"all parts",
         "<A GAP lsg=\"la maison; maison\" help=\"*\" tip=\"Haus\" reaction=\"lek3\">",
         {"la maison", "maison"},
         "l_ ____n",
         "Haus",
         "lek3"},
        {"\";\" alone does not separate",
         "<A GAP lsg=\"chat;chien\" help=\"c\">",
         {"chat;chien"},
         "c",
         "Hilfe mit F12!",
         ""},
        {"spaces are kept", "<A GAP lsg=\" a ; b\" help=\"\">", {" a ", "b"}, "", "Hilfe mit F12!", ""},
        {"empty items dropped", "<A GAP lsg=\"; a; \" help=\"\">", {"a"}, "", "Hilfe mit F12!", ""},
        {"reaction without tip",
         "<A GAP lsg=\"a\" help=\"h\" reaction=\"r.htx\">",
         {"a"},
         "h",
         "Hilfe mit F12!",
         "r.htx"},
        {"names in any case", "<A GAP LSG=\"a\" HELP=\"h\" TIP=\"t\">", {"a"}, "h", "t", ""},
        {"help missing", "<A GAP lsg=\"a\" tip=\"t\">", {"a"}, "", "t", ""},
        {"nothing given", "<A GAP>", {}, "", "Hilfe mit F12!", ""},
    };
    for (const GapCase& gapCase : cases) {
        SCOPED_TRACE(gapCase.name);
        TestPage page;
        SeedRandom(1);
        page.Parse(gapCase.markup);
        ASSERT_EQ(page.document.GapEdits().Count(), 1);
        const TPageEdit& edit = page.document.GapEdits().Edit(0);
        EXPECT_EQ(edit.Lsg(), gapCase.solutions);
        if (gapCase.help != "l_ ____n") {
            EXPECT_EQ(edit.Hilfe(), gapCase.help);
        } else {
            EXPECT_EQ(edit.Hilfe().size(), 9u) << "\"*\" stores the help mask of the first solution";
            EXPECT_EQ(edit.Hilfe().front(), 'l');
        }
        EXPECT_EQ(page.document.gapHints, std::vector<std::string>{gapCase.hint});
        EXPECT_EQ(edit.Command(), gapCase.reaction);
        EXPECT_FALSE(edit.Visible()) << "the layout shows it";
    }
}

TEST(GapLink, GapTextIsOneElementInTheGapColour) {
    TestPage page;
    page.document.specialCharacters = "\xE9;\xE8";
    page.Parse("<BODY GAP=#FFFF00><B>Das <A GAP lsg=\"la maison\" help=\"\">la maison</A> ist");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{
                                   "word \"Das\" bits=b",
                                   "space \" \" bits=b",
                                   "word \"la maison\" bits=b color=0x00FFFF link=0 gap=0",
                                   "space \" \" bits=b",
                                   "word \"ist\" bits=b",
                               }));
    EXPECT_EQ(SectionLines(page.document, "named rectangles"), std::vector<std::string>{"0 \"\" unnamed"});
    EXPECT_EQ(page.document.GapEdits().Edit(0).SpecialChars(), "\xE9;\xE8");
}

TEST(GapLink, EditsAreAnnouncedWithTheirSource) {
    TestPage page;
    std::vector<GapEditSource> sources;
    page.document.onGapEditCreated = [&](TPageEdit& edit, GapEditSource source) {
        EXPECT_FALSE(edit.Visible());
        sources.push_back(source);
    };
    page.Parse("<A GAP lsg=\"a\" help=\"\">a</A><EDIT LSG=\"b\"></A><A GAP lsg=\"c\" help=\"\">c");
    EXPECT_EQ(sources, (std::vector{GapEditSource::Gap, GapEditSource::Edit, GapEditSource::Gap}));
    EXPECT_EQ(page.document.elements.Last().style.gapIndex, 2) << "the gap index is the edit's index";
}

TEST(GapLink, AtMost255Edits) {
    std::string markup;
    for (int i = 0; i < 300; ++i) {
        markup += "<A GAP lsg=\"w" + std::to_string(i) + "\" help=\"\">w</A> ";
    }
    TestPage page;
    page.Parse(markup);
    EXPECT_EQ(page.document.GapEdits().Count(), kMaxGapEdits);
    EXPECT_EQ(page.document.gapHints.size(), static_cast<std::size_t>(kMaxGapEdits));
    int gaps = 0;
    for (const tFormatted_text& element : page.document.elements) {
        if (element.kind == ElementKind::Word) {
            EXPECT_NE(element.style.gapIndex, kDragWordGapIndex) << "no gap may look like a drag word";
            gaps += element.style.gapIndex >= 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(gaps, kMaxGapEdits);
}

TEST(DragLink, DragWordsAreWholeElements) {
    TestPage page;
    page.Parse("Je <A DRAG>suis all\xE9</A> ici <A DRAG>x");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{
                                   "word \"Je\"",
                                   "space \" \"",
                                   "word \"suis all\xC3\xA9\" link=0 gap=255",
                                   "space \" \"",
                                   "word \"ici\"",
                                   "space \" \"",
                                   "word \"x\" link=1 gap=255",
                               }));
    EXPECT_EQ(SectionLines(page.document, "named rectangles"),
              (std::vector<std::string>{"0 \"\" unnamed", "1 \"\" unnamed"}));
    EXPECT_EQ(page.document.GapEdits().Count(), 0);
    EXPECT_EQ(page.document.dragTask.BlockCount(), 0) << "targets and their blocks come from the layout";
}

struct EditCase {
    const char* name;
    std::string markup;
    std::string edit; // "[gap edits]" line
};

TEST(EditTag, Attributes) {
    const std::string noHelp = " help=\"\" tip=\"\" reaction=\"\" color=0xFFFFFF";
    const std::vector<EditCase> cases = {
        {"defaults", "<EDIT>", "0 0,0,121,21 lsg=" + noHelp},
        {"coordinates", "<EDIT COORDS=\"100,200,150,25\">", "0 100,200,150,25 lsg=" + noHelp},
        {"partial coordinates keep the defaults", "<EDIT COORDS=\"100,200\">",
         "0 100,200,121,21 lsg=" + noHelp},
        {"size within the page", "<EDIT COORDS=\"10,20,5000,900\">", "0 10,20,800,572 lsg=" + noHelp},
        {"\";\" separates and trims", "<EDIT LSG=\" la maison ;maison;; \">",
         "0 0,0,121,21 lsg= \"la maison\" \"maison\"" + noHelp},
        {"macro solutions", "<DEFINE $l=\"a ; b\"><EDIT LSG=\"$l\">",
         "0 0,0,121,21 lsg= \"a\" \"b\"" + noHelp},
        {"macro help and tip", "<DEFINE $h=\"Hilfe\" $t=\"Tipp\"><EDIT HELP=\"$h\" TIP=\"$t\">",
         "0 0,0,121,21 lsg= help=\"Hilfe\" tip=\"Tipp\" reaction=\"\" color=0xFFFFFF"},
        {"undefined macro is empty", "<EDIT LSG=\"$nix\" HELP=\"$nix\">", "0 0,0,121,21 lsg=" + noHelp},
        {"\"$\" inside is text", "<EDIT LSG=\"US$\">", "0 0,0,121,21 lsg= \"US$\"" + noHelp},
        {"reaction colour border", "<EDIT REACTION=\"verb\" COLOR=#FF0000 NOBORDER>",
         "0 0,0,121,21 lsg= help=\"\" tip=\"\" reaction=\"verb\" color=0x0000FF noborder"},
        {"quote missing ends the tag", "<EDIT LSG=a COLOR=#FF0000>", "0 0,0,121,21 lsg=" + noHelp},
    };
    for (const EditCase& editCase : cases) {
        SCOPED_TRACE(editCase.name);
        TestPage page;
        page.Parse(editCase.markup);
        EXPECT_EQ(SectionLines(page.document, "gap edits"), std::vector<std::string>{editCase.edit});
    }
}

TEST(EditTag, StyleUntilEndOfLink) {
    TestPage page;
    page.Parse("<BODY GAP=#0000FF><U>a<EDIT COORDS=\"1,2,3,4\">b</A>c");
    EXPECT_EQ(page.Elements(), (std::vector<std::string>{
                                   "word \"a\" bits=u",
                                   "word \"b\" bits=u color=0xFF0000 link=0",
                                   "word \"c\" bits=u",
                               }));
    EXPECT_EQ(SectionLines(page.document, "named rectangles"), std::vector<std::string>{"0 \"\" unnamed"});
    const TPageEdit& edit = page.document.GapEdits().Edit(0);
    EXPECT_EQ(edit.Font().colour, 0xFF0000) << "the field writes in the gap colour";
    EXPECT_TRUE(edit.Font().face.underline);
    EXPECT_EQ(edit.Font().face.height, StyleFont(TextStyle{}).height);
}

struct KlotzCase {
    const char* name;
    std::string markup;
    std::vector<std::string> dragTask; // "[drag task]" lines
};

TEST(KlotzTag, DragTaskSettings) {
    const std::vector<KlotzCase> cases = {
        {"defaults", "", {"perrow=4 width=120 left=-1 right=-1 y=350"}},
        {"wrong words",
         "<KLOTZ FALSCH=\"le/ la /les//\">",
         {"perrow=4 width=120 left=-1 right=-1 y=350", "block \"le\"", "block \"la\"", "block \"les\""}},
        {"five per row", "<KLOTZ NR=5>", {"perrow=5 width=100 left=-1 right=-1 y=350"}},
        {"six per row", "<KLOTZ NR=6>", {"perrow=6 width=80 left=-1 right=-1 y=350"}},
        {"four again", "<KLOTZ NR=6 NR=4>", {"perrow=4 width=120 left=-1 right=-1 y=350"}},
        {"other counts keep the width", "<KLOTZ NR=6 NR=3>", {"perrow=3 width=80 left=-1 right=-1 y=350"}},
        {"count clamped", "<KLOTZ NR=500>", {"perrow=100 width=120 left=-1 right=-1 y=350"}},
        {"count not a number", "<KLOTZ NR=5 NR=x>", {"perrow=4 width=120 left=-1 right=-1 y=350"}},
        {"area y", "<KLOTZ Y=200>", {"perrow=4 width=120 left=-1 right=-1 y=200"}},
        {"area y clamped", "<KLOTZ Y=5000>", {"perrow=4 width=120 left=-1 right=-1 y=1000"}},
        {"area y not a number", "<KLOTZ Y=200 Y=x>", {"perrow=4 width=120 left=-1 right=-1 y=350"}},
        {"left", "<KLOTZ LEFT=30>", {"perrow=4 width=120 left=30 right=-1 y=350"}},
        {"left not a number", "<KLOTZ LEFT=x>", {"perrow=4 width=120 left=80 right=-1 y=350"}},
        {"right and width", "<KLOTZ RIGHT=700 WIDTH=90>", {"perrow=4 width=90 left=-1 right=700 y=350"}},
        {"right from the left edge",
         "<KLOTZ LEFT=30 RIGHT=x WIDTH=x>",
         {"perrow=4 width=770 left=30 right=770 y=350"}},
        {"right from the text margin", "<KLOTZ RIGHT=x>", {"perrow=4 width=120 left=-1 right=792 y=350"}},
        {"right clamped", "<KLOTZ RIGHT=-3 WIDTH=2000>", {"perrow=4 width=1000 left=-1 right=0 y=350"}},
    };
    for (const KlotzCase& klotz : cases) {
        SCOPED_TRACE(klotz.name);
        TestPage page;
        page.Parse(klotz.markup);
        EXPECT_EQ(SectionLines(page.document, "drag task"), klotz.dragTask);
    }
}

TEST(KlotzTag, WrongBlocksNeverMatchATarget) {
    TestPage page;
    page.Parse("<KLOTZ FALSCH=\"chien\">");
    tDragAufgabenListe& task = page.document.dragTask;
    task.AddTarget({10, 10, 60, 30}, "chat");
    ASSERT_EQ(task.BlockCount(), 2);
    EXPECT_EQ(task.Drop(0, 10, 10).result, tDragAufgabenListe::DropResult::Return) << "the wrong word";
    EXPECT_EQ(task.Drop(1, 10, 10).result, tDragAufgabenListe::DropResult::Right);
}

struct SatzCase {
    const char* name;
    std::string markup;
    std::vector<std::string> sentences; // "[sentences]" lines
};

TEST(SatzTag, SentenceTasks) {
    const std::vector<SatzCase> cases = {
        {"a sentence",
         "<SATZ TEILE=\"Je /suis /ici\" COORDS=\"40,300,500,24\">",
         {"0 40,300,540,324 \"Je suis ici\" parts=3"}},
        {"coordinates first",
         "<SATZ COORDS=\"40,300,500,24\" TEILE=\"a/b\">",
         {"0 40,300,540,324 \"ab\" parts=2"}},
        {"x = 0 makes no task", "<SATZ TEILE=\"a/b\" COORDS=\"0,300,500,24\">", {}},
        {"negative x makes no task", "<SATZ TEILE=\"a/b\" COORDS=\"-5,300,500,24\">", {}},
        {"no coordinates makes no task", "<SATZ TEILE=\"a/b\">", {}},
        {"no parts makes no task", "<SATZ TEILE=\"\" COORDS=\"40,300,500,24\">", {}},
        {"x from the right edge",
         "<SATZ TEILE=\"a\" COORDS=\"-10100,10,50,20\">",
         {"0 700,10,750,30 \"a\" parts=1"}},
        {"huge values are kept in range",
         "<SATZ TEILE=\"a\" COORDS=\"2000000000,5,2000000000,2000000000\">",
         {"0 100000,5,200000,105 \"a\" parts=1"}},
        {"two sentences",
         "<SATZ TEILE=\"a\" COORDS=\"1,2,3,4\"><SATZ TEILE=\"b/c\" COORDS=\"5,6,7,8\">",
         {"0 1,2,4,6 \"a\" parts=1", "1 5,6,12,14 \"bc\" parts=2"}},
    };
    for (const SatzCase& satz : cases) {
        SCOPED_TRACE(satz.name);
        TestPage page;
        page.Parse(satz.markup);
        EXPECT_EQ(SectionLines(page.document, "sentences"), satz.sentences);
    }
    std::string manyParts(200, '/');
    TestPage page;
    page.Parse("<SATZ TEILE=\"" + manyParts + "\" COORDS=\"1,2,3,4\">");
    EXPECT_EQ(page.document.sentences.SentenceCount(), 0) << "more parts than any page can show";
}

TEST(SatzTag, SavesTheStyleBlock) {
    TestPage page;
    page.Parse("<B><FONT SIZE=5><SATZ TEILE=\"a\" COORDS=\"1,2,3,4\"></B>x");
    const StyleBlock& saved = page.document.Slot(StyleSlot::Emphasis);
    EXPECT_EQ(saved.styleBits, kBold);
    EXPECT_EQ(saved.fontSize, 5);
    EXPECT_EQ(page.document.elements.Last().style.block.styleBits, 0) << "nothing restores the slot";
}

} // namespace
} // namespace qor::test
