// BUTTON, MULTIPLE, INPUT, RECORDER, BODY BACKGROUND and the page reset of all they made.

#include "MarkupTestSupport.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageRecorder.h"
#include "page/render/StyleFont.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

struct ControlCase {
    const char* name;
    std::string markup;
    std::vector<std::string> lines;
};

void CheckSection(const std::vector<ControlCase>& cases, std::string_view section) {
    for (const ControlCase& controlCase : cases) {
        SCOPED_TRACE(controlCase.name);
        ControlPage page;
        page.Parse(controlCase.markup);
        EXPECT_EQ(SectionLines(page.Document(), section), controlCase.lines);
    }
}

TEST(ButtonTag, Fields) {
    CheckSection(
        {
            {"defaults", "<BUTTON>", {"0 0,0,105,105 caption=\"\" href=\"\" color=0xC0C0C0 flash=0x0000FF"}},
            {"all fields",
             "<BUTTON COORDS=\"10,20,120,30\" CAPTION=\"Weiter geht's\" HREF=\"\xA7weiter\" COLOR=#FFFFFF "
             "FLASH=#00FF00 3D>",
             {"0 10,20,120,30 caption=\"Weiter geht's\" href=\"\xC2\xA7weiter\" color=0xFFFFFF "
              "flash=0x00FF00 3d"}},
            {"size within the page",
             "<BUTTON COORDS=\"-10100,5,9999,9999\">",
             {"0 700,5,800,572 caption=\"\" href=\"\" color=0xC0C0C0 flash=0x0000FF"}},
            {"unquoted caption ends the tag",
             "<BUTTON CAPTION=Los COLOR=#000000>",
             {"0 0,0,105,105 caption=\"\" href=\"\" color=0xC0C0C0 flash=0x0000FF"}},
            {"two buttons",
             "<BUTTON CAPTION=\"a\"><BUTTON CAPTION=\"b\">",
             {"0 0,0,105,105 caption=\"a\" href=\"\" color=0xC0C0C0 flash=0x0000FF",
              "1 0,0,105,105 caption=\"b\" href=\"\" color=0xC0C0C0 flash=0x0000FF"}},
        },
        "buttons");
}

TEST(ButtonTag, HiddenWithHoverEffectsAndTheCurrentFont) {
    ControlPage page;
    int announced = 0;
    page.Document().onButtonCreated = [&](tXColorButton& button) {
        EXPECT_FALSE(button.Visible());
        ++announced;
    };
    page.Parse("<FONT COLOR=#FF0000><B><BUTTON FLASH=#00FF00><BUTTON 3D>");
    EXPECT_EQ(announced, 2);
    const tButtonListe& buttons = page.Document().Buttons();
    EXPECT_TRUE(buttons.Button(0).MouseOver()) << "a flash colour needs the hover effect";
    EXPECT_FALSE(buttons.Button(0).MouseOver3D());
    EXPECT_FALSE(buttons.Button(1).MouseOver());
    EXPECT_TRUE(buttons.Button(1).MouseOver3D());
    EXPECT_EQ(buttons.Button(1).Font().colour, 0x0000FF);
    EXPECT_TRUE(buttons.Button(1).Font().face.bold);
}

TEST(MultipleTag, Grid) {
    CheckSection(
        {
            {"page colours and defaults",
             "<BODY MCHAN=#00FF00 MCHAUS=#0000FF><MULTIPLE>",
             {"0,0 cell=120x40 dim=1,1 active=0x00FF00 inactive=0xFF0000 highlight=0x00FF00 reaction=\"\" "
              "items="}},
            {"all attributes",
             "<MULTIPLE COORDS=\"50,300,150,45\" DIM=\"2,3\" COLOR=\"#FF0000,#00FF00\" TXT=\"chat|chien| |\" "
             "REACTION=mc1>",
             {"50,300 cell=150x45 dim=2,3 active=0x00FF00 inactive=0x0000FF highlight=0x0000FF "
              "reaction=\"mc1\" "
              "items= \"chat\" \"chien\" \" \" \"\""}},
            {"coordinates through an alias",
             "<ALIAS #mc=\"20,30,200,60\"><MULTIPLE COORDS=\"#mc\" DIM=\"2,2\">",
             {"20,30 cell=200x60 dim=2,2 active=0x0000FF inactive=0x808080 highlight=0x0000FF reaction=\"\" "
              "items="}},
            {"cells at least their minimum",
             "<MULTIPLE COORDS=\"0,0,10,10\" DIM=\"1,1\">",
             {"0,0 cell=120x40 dim=2,1 active=0x0000FF inactive=0x808080 highlight=0x0000FF reaction=\"\" "
              "items="}},
            {"dimensions clamped",
             "<MULTIPLE DIM=\"-4,5000\">",
             {"0,0 cell=120x40 dim=2,100 active=0x0000FF inactive=0x808080 highlight=0x0000FF reaction=\"\" "
              "items="}},
            {"COORDS after DIM does not move it",
             "<MULTIPLE DIM=\"2,2\" COORDS=\"50,60,200,50\">",
             {"0,0 cell=120x40 dim=2,2 active=0x0000FF inactive=0x808080 highlight=0x0000FF reaction=\"\" "
              "items="}},
            {"one colour",
             "<MULTIPLE COLOR=#000000>",
             {"0,0 cell=120x40 dim=1,1 active=0x0000FF inactive=0x000000 highlight=0x0000FF reaction=\"\" "
              "items="}},
            {"one grid per page, reaction cleared",
             "<MULTIPLE TXT=\"a|b\" REACTION=x><MULTIPLE TXT=\"c|d\">",
             {"0,0 cell=120x40 dim=1,1 active=0x0000FF inactive=0x808080 highlight=0x0000FF reaction=\"\" "
              "items= "
              "\"c\" \"d\""}},
            {"no grid without the tag", "a", {}},
        },
        "multiple choice");
}

TEST(MultipleTag, GridIsHiddenAndTakesTheFont) {
    ControlPage page;
    int announced = 0;
    page.Document().onMultipleChoiceCreated = [&](TXMultipleChoice&) { ++announced; };
    page.Parse("<I><MULTIPLE DIM=\"2,2\"><MULTIPLE>");
    EXPECT_EQ(announced, 1) << "made once per page";
    const TXMultipleChoice* grid = page.Document().MultipleChoice();
    ASSERT_NE(grid, nullptr);
    EXPECT_FALSE(grid->Visible());
    EXPECT_TRUE(grid->Font().face.italic);
}

struct DimensionCase {
    const char* value;
    bool valid;
};

TEST(MultipleTag, DimensionThatIsNoNumberEndsThePage) {
    const std::vector<DimensionCase> cases = {
        {"2,2", true}, {" 2 , 3 ", true}, {"2", false}, {"zwei,2", false},
        {"2,", false}, {"2,2,2", false},  {"", false},
    };
    for (const DimensionCase& dimension : cases) {
        SCOPED_TRACE(dimension.value);
        MessageCapture messages;
        ControlPage page;
        page.Parse(std::string("vorher<MULTIPLE TXT=\"a|b\" DIM=\"") + dimension.value +
                   "\" REACTION=r>nachher<MULTIPLE DIM=\"x\"><B>");
        const std::vector<std::string> words = page.page.Elements();
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(words.front(), "word \"vorher\"");
        if (dimension.valid) {
            EXPECT_EQ(words.size(), 2u) << "the page goes on until the second, broken DIM";
            EXPECT_EQ(page.Document().choiceReaction, "") << "the second MULTIPLE cleared it";
        } else {
            EXPECT_EQ(words.size(), 1u) << "nothing after the broken tag";
            EXPECT_EQ(page.Document().choiceReaction, "") << "REACTION came after the fault";
        }
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"Fehler in der Seite: MULTIPLE DIM ist keine Zahl."});
        EXPECT_EQ(page.Document().MultipleChoice(), nullptr) << "the broken grid is not left over the page";
    }
}

TEST(MultipleTag, BrokenDimensionInAnIncludeEndsTheIncludingPage) {
    MessageCapture messages;
    ControlPage page;
    page.page.host.files[std::string(kPageFolder) + "mc.htx"] = "drin<MULTIPLE DIM=\"a,b\">weg";
    page.Parse("vor<INCLUDE HREF=\"mc.htx\">nach");
    EXPECT_EQ(page.page.Elements(), (std::vector<std::string>{"word \"vor\"", "word \"drin\""}));
    EXPECT_EQ(messages.Texts().size(), 1u);
    page.Parse("neu");
    EXPECT_EQ(page.page.Elements(), std::vector<std::string>{"word \"neu\""}) << "the next page parses again";
}

TEST(InputTag, ValueNameAndMacro) {
    struct InputCase {
        const char* name;
        std::string markup;
        std::string line;  // "[input]"
        std::string macro; // value of macro "vorname" afterwards
    };
    const std::vector<InputCase> cases = {
        {"value sets the macro", "<INPUT COORDS=\"10,20,200\" NAME=\"vorname\" VALUE=\"Marie\">",
         "10,20,200,H name=\"vorname\" text=\"Marie\" color=0xFFFFFF", "Marie"},
        {"value before the name", "<INPUT VALUE=\"Marie\" NAME=\"vorname\">",
         "0,0,0,H name=\"vorname\" text=\"Marie\" color=0xFFFFFF", "Marie"},
        {"empty value shows the macro", "<DEFINE $vorname=\"Paul\"><INPUT NAME=\"vorname\" VALUE=\"\">",
         "0,0,0,H name=\"vorname\" text=\"Paul\" color=0xFFFFFF", "Paul"},
        {"no value shows the macro",
         "<DEFINE $vorname=\"Paul\"><INPUT NAME=\"vorname\" NOBORDER COLOR=#FF0000>",
         "0,0,0,H name=\"vorname\" text=\"Paul\" color=0x0000FF noborder", "Paul"},
        {"undefined macro shows nothing", "<INPUT NAME=\"vorname\">",
         "0,0,0,H name=\"vorname\" text=\"\" color=0xFFFFFF", ""},
        {"no name sets no macro", "<INPUT VALUE=\"x\">", "0,0,0,H name=\"\" text=\"x\" color=0xFFFFFF", ""},
        {"width within the page", "<INPUT COORDS=\"5,5,90000\" NAME=\"n\">",
         "5,5,800,H name=\"n\" text=\"\" color=0xFFFFFF", ""},
        {"one input per page", "<INPUT NAME=\"a\"><INPUT NAME=\"b\">",
         "0,0,0,H name=\"b\" text=\"\" color=0xFFFFFF", ""},
    };
    for (const InputCase& input : cases) {
        SCOPED_TRACE(input.name);
        TestPage page;
        page.Parse("<FONT SIZE=5>" + input.markup);
        std::string expected = input.line;
        const int height = MeasureText("AgjPq", page.document.lastStyle).height;
        ASSERT_GT(height, 0);
        expected.replace(expected.find('H'), 1, std::to_string(height));
        EXPECT_EQ(SectionLines(page.document, "input"), std::vector<std::string>{expected});
        EXPECT_EQ(page.document.macros.Get("vorname", ""), input.macro);
    }
}

TEST(InputTag, TakesTheCurrentFont) {
    TestPage page;
    page.Parse("<B><INPUT NAME=\"n\"></B>");
    ASSERT_TRUE(page.document.textInput.has_value());
    EXPECT_TRUE(page.document.textInput->font.bold);
    EXPECT_EQ(page.document.textInput->textColour, 0) << "the page text colour";
}

class FakeRecorder : public PageRecorder {
public:
    std::vector<std::string>& calls;
    explicit FakeRecorder(std::vector<std::string>& log) : calls(log) {}
    void SetRecordButton(const PageRect& r) override { calls.push_back("rec " + std::to_string(r.right)); }
    void SetPlayButton(const PageRect& r) override { calls.push_back("play " + std::to_string(r.right)); }
    void SetPictures(std::string_view path) override { calls.push_back("pictures " + std::string(path)); }
    void SetColour(Colour colour) override { calls.push_back("colour " + std::to_string(colour)); }
    void SetMaxSeconds(int seconds) override { calls.push_back("max " + std::to_string(seconds)); }
    void Reset() override { calls.push_back("reset"); }
};

TEST(RecorderTag, Settings) {
    const std::string folder = kPageFolder;
    CheckSection(
        {
            {"all attributes",
             "<RECORDER C-REC=\"10,20,40,30\" C-PLAY=60,20,40,30 PICTURES=\"rec\\\" COLOR=#FF0000 MAX=10>",
             {"rec=10,20,50,50 play=60,20,100,50 pictures=" + QuoteForDump(folder + "rec\\") +
              " color=0x0000FF max=10"}},
            {"defaults", "<RECORDER>", {"rec=- play=- pictures=\"\" color=- max=4"}},
            {"max below", "<RECORDER MAX=1>", {"rec=- play=- pictures=\"\" color=- max=2"}},
            {"max above", "<RECORDER MAX=50>", {"rec=- play=- pictures=\"\" color=- max=20"}},
            {"max not a number", "<RECORDER MAX=8 MAX=acht>", {"rec=- play=- pictures=\"\" color=- max=4"}},
            {"no recorder", "x", {}},
        },
        "recorder");
}

TEST(RecorderTag, LinksAndTheRecorderItself) {
    ControlPage page;
    std::vector<std::string> calls;
    int made = 0;
    page.Document().SetRecorderFactory([&] {
        ++made;
        return std::make_unique<FakeRecorder>(calls);
    });
    page.Parse("<RECORDER C-REC=\"10,20,40,30\" MAX=30><RECORDER C-PLAY=\"60,20,40,30\" COLOR=#000000>");
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(page.Document().hasRecorder);
    EXPECT_EQ(calls, (std::vector<std::string>{"rec 50", "max 20", "play 100", "colour 0"}));
    EXPECT_EQ(
        SectionLines(page.Document(), "named rectangles"),
        (std::vector<std::string>{"0 \"\xC2\xA7rec\" at 10,20,50,50", "1 \"\xC2\xA7play\" at 60,20,100,50"}));
    EXPECT_EQ(page.Document().namedRectangles.NameAt(0), "§rec"_cp);

    calls.clear();
    page.Parse("x");
    EXPECT_EQ(calls, std::vector<std::string>{"reset"}) << "the page reset stops and resets it";
    EXPECT_FALSE(page.Document().hasRecorder);
    ASSERT_NE(page.Document().Recorder(), nullptr) << "the recorder itself is kept";
    page.Parse("<RECORDER>");
    EXPECT_EQ(made, 1);
}

TEST(BodyTag, BackgroundPictureLoadsSilently) {
    MessageCapture messages;
    TestPage page;
    std::vector<std::string> read;
    page.document.SetPictureReader([&](std::string_view path, bool jpeg, bool, TXBitmap& bitmap) {
        read.push_back(std::string(path) + (jpeg ? " jpeg" : ""));
        if (path.ends_with("fehlt.bmp")) {
            return false;
        }
        bitmap.Resize(8, 6);
        return true;
    });
    page.Parse("<BODY BACKGROUND=hg.JPG>");
    EXPECT_EQ(page.document.background.Width(), 8);
    page.Parse("<BODY BACKGROUND=\"fehlt.bmp\">");
    EXPECT_TRUE(page.document.background.Empty());
    EXPECT_EQ(page.document.backgroundPicture, std::string(kPageFolder) + "fehlt.bmp");
    page.Parse("<BODY BACKGROUND=hg.jpg BACKGROUND=fehlt.bmp>");
    EXPECT_TRUE(page.document.background.Empty()) << "the later picture replaces the earlier";
    const std::string folder = kPageFolder;
    EXPECT_EQ(read, (std::vector<std::string>{folder + "hg.JPG jpeg", folder + "fehlt.bmp",
                                              folder + "hg.jpg jpeg", folder + "fehlt.bmp"}));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(page.document.pictures.Count(), 0) << "the background is not one of the page's pictures";
}

TEST(PageReset, ClearsEverythingTheTagsMade) {
    ControlPage page;
    PageDocument& document = page.Document();
    document.SetPictureReader([](std::string_view, bool, bool, TXBitmap& bitmap) {
        bitmap.Resize(60, 40);
        return true;
    });
    document.conditions.Set("agb");
    page.Parse("<BODY BACKGROUND=hg.bmp><DEFINE $m=\"bleibt\"><BOX COORDS=\"1,2,3,4\" HREF=\"x\" DEST "
               "LOMO=\"a.bmp\">"
               "<ELLIPSE COORDS=\"1,2,3,4\"><CHECKBOX NAME=\"agb\"><A GAP lsg=\"a\" help=\"\">a</A>"
               "<EDIT LSG=\"b\"><A DRAG>c</A><KLOTZ FALSCH=\"d\" NR=5 LEFT=3 Y=100>"
               "<SATZ TEILE=\"e/f\" COORDS=\"1,2,3,4\"><BUTTON><MULTIPLE TXT=\"g|h\" REACTION=r>"
               "<INPUT NAME=\"i\" VALUE=\"j\"><RECORDER C-REC=\"1,2,3,4\">");
    ASSERT_EQ(document.boxes.size(), 2u);
    ASSERT_EQ(document.GapEdits().Count(), 2);
    ASSERT_TRUE(document.slideBox.has_value());
    page.controls.SetFocus(document.GapEdits().Edit(1));
    ASSERT_GT(page.controls.ActiveTimers(), 0) << "the caret of the focused field blinks";

    page.Parse("");
    EXPECT_TRUE(document.boxes.empty());
    EXPECT_TRUE(document.checkBoxes.empty());
    EXPECT_EQ(document.namedRectangles.Count(), 0);
    EXPECT_EQ(document.GapEdits().Count(), 0);
    EXPECT_TRUE(document.gapHints.empty());
    EXPECT_EQ(document.Buttons().Count(), 0);
    EXPECT_EQ(document.MultipleChoice(), nullptr);
    EXPECT_EQ(document.choiceReaction, "");
    EXPECT_FALSE(document.textInput.has_value());
    EXPECT_FALSE(document.hasRecorder);
    EXPECT_EQ(SectionLines(document, "recorder"), std::vector<std::string>{});
    EXPECT_FALSE(document.slideBox.has_value());
    EXPECT_EQ(document.destination, (PageRect{0, 0, 800, 572}));
    EXPECT_TRUE(document.background.Empty());
    EXPECT_EQ(document.dragTask.BlockCount(), 0);
    EXPECT_EQ(document.dragTask.BlocksPerRow(), 4);
    EXPECT_EQ(document.dragTask.BlockWidth(), 120);
    EXPECT_EQ(document.dragTask.LeftEdge(), -1);
    EXPECT_EQ(document.dragAreaY, kDefaultDragAreaY);
    EXPECT_EQ(document.sentences.SentenceCount(), 0);
    EXPECT_EQ(page.controls.ActiveTimers(), 0) << "freed controls leave no timer behind";
    // What survives a page change.
    EXPECT_TRUE(document.conditions.Test("agb"));
    EXPECT_EQ(document.macros.Get("m", ""), "bleibt");
    EXPECT_EQ(document.macros.Get("i", ""), "j");
}

TEST(PageReset, ChangingTheControlHostFreesTheControls) {
    TestControlHost first;
    TestControlHost second;
    TestPage page;
    page.document.SetControlHost(&first);
    page.Parse("<EDIT><BUTTON><MULTIPLE>");
    EXPECT_EQ(&page.document.GapEdits().Edit(0).Host(), &first);
    page.document.SetControlHost(&second);
    EXPECT_EQ(page.document.GapEdits().Count(), 0);
    EXPECT_EQ(page.document.MultipleChoice(), nullptr);
    page.Parse("<EDIT>");
    EXPECT_EQ(&page.document.GapEdits().Edit(0).Host(), &second);
    page.document.SetControlHost(nullptr);
    EXPECT_EQ(page.document.Buttons().Count(), 0);
}

} // namespace
} // namespace qor::test
