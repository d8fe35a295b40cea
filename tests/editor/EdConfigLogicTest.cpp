#include "editor/EdConfigLogic.h"

#include "platform/Fonts.h"
#include "platform/WinPath.h"
#include "settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class RecordingEditor : public SchemeEditorView {
public:
    void ApplySchemeColours(const EditorScheme& scheme) override {
        ++colourApplications;
        shownColours = scheme.colours;
    }
    void ApplySchemeFont(const EditorScheme& scheme, int size) override {
        ++fontApplications;
        shownFont = scheme.fontName;
        shownBold = scheme.bold;
        shownSize = size;
    }
    int HeightClass() const override { return heightClass; }

    int heightClass = 1;
    int colourApplications = 0;
    int fontApplications = 0;
    std::array<std::int32_t, kSchemeColourCount> shownColours{};
    std::string shownFont;
    bool shownBold = false;
    int shownSize = 0;
};

class EdConfigLogicTest : public ::testing::Test {
protected:
    EdConfigLogicTest() {
        m_folder.MakeFolder("editor");
        scheme.name = "blau";
        scheme.colours[0] = 0x112233;
        logic.Open();
    }
    test::TempFolder m_folder;
    FixedAdvanceFonts fonts;
    EditorScheme scheme;
    RecordingEditor editor;
    int stores = 0;
    EdConfigLogic logic{scheme, editor, fonts, m_folder.Folder(), [this] { ++stores; }};
};

TEST_F(EdConfigLogicTest, ColourFieldsApplyOnlyWholeDifferentColours) {
    struct Case {
        std::string_view text;
        ColourEntry entry;
        bool applied;
        std::optional<std::string> reset;
        std::int32_t colour; // colour 1 afterwards
    };
    const std::vector<Case> cases = {
        {"FF00", ColourEntry::Typed, false, std::nullopt, 0x112233}, // five digits change nothing
        {"33221", ColourEntry::Typed, false, std::nullopt, 0x112233},
        {"332211", ColourEntry::Typed, false, std::nullopt, 0x112233}, // the same colour
        {"3322ZZ", ColourEntry::Typed, false, "332211", 0x112233},     // bad digits: back to the swatch
        {"3322ZZ", ColourEntry::Enter, false, std::nullopt, 0x112233}, // Enter with bad text: nothing
        {"", ColourEntry::Enter, false, std::nullopt, 0x112233},
        {"FF0000", ColourEntry::Typed, true, std::nullopt, 0x0000FF}, // the sixth digit applies it
        {"FF", ColourEntry::Enter, true, std::nullopt, 0xFF0000},     // Enter takes a short number
        {"00FF00", ColourEntry::Enter, true, std::nullopt, 0x00FF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        scheme.colours[0] = 0x112233;
        scheme.name = "blau";
        scheme.changed = false;
        const int applications = editor.colourApplications;
        const ColourFieldOutcome outcome = logic.ColourFieldChanged(0, c.text, c.entry);
        EXPECT_EQ(outcome.applied, c.applied);
        EXPECT_EQ(outcome.resetText, c.reset);
        EXPECT_EQ(scheme.colours[0], c.colour);
        EXPECT_EQ(scheme.changed, c.applied);
        EXPECT_EQ(scheme.name, c.applied ? "default" : "blau");
        EXPECT_EQ(editor.colourApplications, applications + (c.applied ? 1 : 0));
        if (c.applied) {
            EXPECT_EQ(editor.shownColours[0], c.colour);
        }
    }
    EXPECT_FALSE(logic.ColourFieldChanged(7, "FF0000", ColourEntry::Typed).applied);
    EXPECT_FALSE(logic.ColourFieldChanged(-1, "FF0000", ColourEntry::Typed).applied);
}

TEST_F(EdConfigLogicTest, SizesFrom6To24GoToTheCurrentHeightClass) {
    struct Case {
        std::string_view text;
        bool taken;
    };
    const std::vector<Case> cases = {{"5", false},   {"6", true},   {"24", true},
                                     {"25", false},  {"10", false}, {"zehn", false},
                                     {"1 2", false}, {"", false},   {"20", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        scheme.sizes = {9, 10, 14}; // class 1: the current size is 10
        scheme.changed = false;
        scheme.name = "blau";
        EXPECT_EQ(logic.SizeTyped(c.text), c.taken);
        EXPECT_EQ(scheme.changed, c.taken);
        EXPECT_EQ(scheme.sizes[0], 9);
        EXPECT_EQ(scheme.sizes[2], 14);
        if (c.taken) {
            EXPECT_EQ(std::to_string(scheme.sizes[1]), c.text);
            EXPECT_EQ(editor.shownSize, scheme.sizes[1]);
            EXPECT_EQ(scheme.name, "default");
        } else {
            EXPECT_EQ(scheme.sizes[1], 10);
            EXPECT_EQ(scheme.name, "blau");
        }
    }
}

TEST_F(EdConfigLogicTest, FontAndBoldRenameWithoutSettingTheChangedFlag) {
    logic.FontChosen("Verdana");
    EXPECT_EQ(scheme.fontName, "Verdana");
    EXPECT_EQ(editor.shownFont, "Verdana");
    EXPECT_EQ(editor.shownSize, 10);
    EXPECT_EQ(scheme.name, "default");
    EXPECT_FALSE(scheme.changed);

    scheme.name = "blau";
    logic.BoldToggled();
    EXPECT_TRUE(scheme.bold);
    EXPECT_TRUE(editor.shownBold);
    logic.BoldToggled();
    EXPECT_FALSE(editor.shownBold);
    EXPECT_EQ(scheme.name, "default");
    EXPECT_FALSE(scheme.changed);

    // Closing with OK after a font choice stores the new name, but nothing marks the scheme for
    // writing at the end.
    logic.Ok();
    EXPECT_EQ(stores, 1);
    EXPECT_FALSE(SaveChangedScheme(m_folder.Folder(), scheme));
}

TEST_F(EdConfigLogicTest, OkStoresTheNameOnlyWhenItChanged) {
    logic.Ok();
    EXPECT_EQ(stores, 0);
    logic.ColourFieldChanged(3, "ABCDEF", ColourEntry::Typed);
    logic.Ok();
    EXPECT_EQ(stores, 1);
    EXPECT_TRUE(SaveChangedScheme(m_folder.Folder(), scheme));
    EXPECT_TRUE(FileExists(SchemeFilePath(m_folder.Folder(), "default")));
}

TEST_F(EdConfigLogicTest, CancelRestoresColoursAndName) {
    logic.ColourFieldChanged(0, "000000", ColourEntry::Typed);
    logic.ColourFieldChanged(6, "FFFF00", ColourEntry::Typed);
    logic.SizeTyped("12");
    ASSERT_TRUE(scheme.changed);
    logic.Cancel();
    EXPECT_EQ(scheme.colours[0], 0x112233);
    EXPECT_EQ(scheme.colours[6], EditorScheme{}.colours[6]);
    EXPECT_EQ(scheme.name, "blau");
    EXPECT_FALSE(scheme.changed);
    EXPECT_EQ(editor.shownColours, scheme.colours);
    EXPECT_EQ(editor.shownSize, scheme.sizes[1]);
    EXPECT_EQ(stores, 0);
}

TEST_F(EdConfigLogicTest, ChoosingASchemeLoadsItsFile) {
    EditorScheme grau;
    grau.colours.fill(0x808080);
    grau.sizes = {7, 11, 13};
    ASSERT_TRUE(SaveScheme(m_folder.Folder(), "grau", grau));
    scheme.changed = true;

    EXPECT_FALSE(logic.SchemeChosen("fehlt"));
    EXPECT_EQ(scheme.name, "blau");
    EXPECT_EQ(editor.colourApplications, 0);

    EXPECT_TRUE(logic.SchemeChosen("grau"));
    EXPECT_EQ(scheme.name, "grau");
    EXPECT_EQ(scheme.colours, grau.colours);
    EXPECT_FALSE(scheme.changed);
    EXPECT_EQ(editor.shownColours, grau.colours);
    EXPECT_EQ(editor.shownSize, 11);

    // An empty choice means "Default", which finds default.ed.
    EditorScheme standard;
    ASSERT_TRUE(SaveScheme(m_folder.Folder(), "default", standard));
    EXPECT_TRUE(logic.SchemeChosen(""));
    EXPECT_EQ(scheme.colours, standard.colours);
}

TEST_F(EdConfigLogicTest, SaveAsAddsTheNameAndSelectsIt) {
    SaveScheme(m_folder.Folder(), "alpha", scheme);
    SaveScheme(m_folder.Folder(), "zulu", scheme);
    logic.Open();
    ASSERT_EQ(logic.SchemeNames(), (std::vector<std::string>{"alpha", "zulu"}));
    EXPECT_EQ(logic.SelectedScheme(), -1); // "blau" has no file yet

    logic.ColourFieldChanged(2, "654321", ColourEntry::Typed);
    EXPECT_EQ(logic.SavedAs("mitte"), 1);
    EXPECT_EQ(logic.SchemeNames(), (std::vector<std::string>{"alpha", "mitte", "zulu"}));
    EXPECT_EQ(logic.SelectedScheme(), 1);
    EXPECT_EQ(scheme.name, "mitte");
    EXPECT_EQ(stores, 1);
    EditorScheme read;
    ASSERT_TRUE(LoadScheme(m_folder.Folder(), "mitte", read, fonts));
    EXPECT_EQ(read.colours[2], 0x214365);

    EXPECT_EQ(logic.SavedAs("zulu"), 2); // already listed
    EXPECT_EQ(logic.SchemeNames().size(), 3u);
}

TEST_F(EdConfigLogicTest, OpeningSelectsTheSchemeInUseExceptDefault) {
    SaveScheme(m_folder.Folder(), "blau", scheme);
    SaveScheme(m_folder.Folder(), "Default", scheme);
    SaveScheme(m_folder.Folder(), "default", scheme);
    logic.Open();
    EXPECT_EQ(logic.SelectedScheme(), 0);
    scheme.name = "Default";
    EXPECT_EQ(logic.SelectedScheme(), -1);
    scheme.name = "default";
    EXPECT_EQ(logic.SelectedScheme(), -1);
}

TEST(SchemeNameError, EmptyAndForbiddenNamesAreRefused) {
    const std::string forbidden = "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"";
    const std::vector<std::pair<std::string_view, std::optional<std::string>>> cases = {
        {"", "Bitte einen Namen eingeben"},
        {"blau", std::nullopt},
        {"mein Schema 2", std::nullopt},
        {"a/b", forbidden},
        {"a\\b", forbidden},
        {"wozu?", forbidden},
        {"\"x\"", forbidden},
        {"<>", forbidden},
        {"a|b", forbidden},
        {"c:", forbidden},
        {"*", forbidden},
    };
    for (const auto& [name, error] : cases) {
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(SchemeNameError(name), error);
    }
}

} // namespace
} // namespace qor
