#include "app/qt/QtTestApplication.h"
#include "editor/qt/TEdConfig.h"
#include "editor/qt/TEdSuchen.h"
#include "editor/qt/TImport.h"
#include "editor/qt/TSchemaDlg.h"
#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/qt/QtText.h"
#include "settings/SettingsTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace qor {
namespace {

using test::TypeInto;

class EditorDialogsTest : public test::QtApplicationTest {
protected:
    void SetUp() override { SetMessagePresenter(&messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }
    ScriptedMessagePresenter messages;
};

TEST_F(EditorDialogsTest, SchemaDlgRefusesEmptyAndForbiddenNames) {
    struct Case {
        std::string_view name;
        bool accepted;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {"", false, "Bitte einen Namen eingeben"},
        {"a:b", false, "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\""},
        {"Abend", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        messages.ClearMessages();
        TSchemaDlg dialog(c.name);
        EXPECT_EQ(dialog.windowTitle(), "Schema speichern");
        dialog.show();
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(messages.Messages().empty());
            EXPECT_EQ(dialog.SchemeName(), c.name);
        } else {
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0].text, c.message);
            EXPECT_EQ(messages.Messages()[0].flags, 16);
        }
    }
}

TEST_F(EditorDialogsTest, SchemaDlgSelectsFromTheSecondCharacter) {
    TSchemaDlg dialog("default");
    dialog.show();
    EXPECT_EQ(dialog.NameField()->selectedText(), "efault");
    TypeInto(dialog.NameField(), "unkel");
    EXPECT_EQ(dialog.SchemeName(), "dunkel");
}

TEST_F(EditorDialogsTest, SearchDialogShowsAndReturnsTheRequest) {
    TEdSuchen dialog({"maison", true});
    EXPECT_EQ(dialog.windowTitle(), "In Bibliothek suchen");
    EXPECT_EQ(dialog.TextField()->objectName(), "Begriff");
    EXPECT_EQ(dialog.CaseBox()->text(), ToQString("&Groß-/Kleinschreibung"_cp));
    EXPECT_EQ(dialog.Request(), (SearchRequest{"maison", true}));
    dialog.TextField()->setText(ToQString("château"_cp));
    dialog.CaseBox()->setChecked(false);
    EXPECT_EQ(dialog.Request(), (SearchRequest{std::string("château"_cp), false}));
}

TEST_F(EditorDialogsTest, ImportOffersTheListsAndTakesThePreset) {
    test::TempFolder folder;
    {
        TImport dialog(folder.Folder(), {});
        EXPECT_EQ(dialog.windowTitle(), "Import-Assistent");
        ASSERT_EQ(dialog.SeparatorBox()->count(), 6);
        EXPECT_EQ(dialog.SeparatorBox()->itemText(5), ToQString("Schrägstrich [/]"_cp));
        ASSERT_EQ(dialog.LayoutBox()->count(), 7);
        EXPECT_EQ(dialog.LayoutBox()->itemText(4), "Vokabel, Bedeutung, Bedeutung, Kontext, Kontext");
        EXPECT_EQ(dialog.Choice(), (ImportSettings{"Tabulator [TAB]", "Vokabel, Bedeutung", ""}));
        EXPECT_EQ(dialog.HelpPage()->Page().XPath(), folder.Folder());
    }
    TImport dialog(folder.Folder(), {"[;]", "Vokabel, Bedeutung, Wortart", "/egal/"});
    EXPECT_EQ(dialog.Choice(), (ImportSettings{"[;]", "Vokabel, Bedeutung, Wortart", ""}));
    dialog.SeparatorBox()->setCurrentIndex(4);
    EXPECT_EQ(ImportSeparator(dialog.Choice().separator), ",");
}

class RecordingEditor : public SchemeEditorView {
public:
    void ApplySchemeColours(const EditorScheme& scheme) override { colours = scheme.colours; }
    void ApplySchemeFont(const EditorScheme& scheme, int size) override {
        font = scheme.fontName;
        bold = scheme.bold;
        this->size = size;
    }
    int HeightClass() const override { return 0; }
    std::array<std::int32_t, kSchemeColourCount> colours{};
    std::string font;
    bool bold = false;
    int size = 0;
};

class EdConfigDialogTest : public EditorDialogsTest {
protected:
    void SetUp() override {
        EditorDialogsTest::SetUp();
        folder.MakeFolder("editor");
        scheme.name = "hell";
        SaveScheme(folder.Folder(), "hell", scheme);
        SaveScheme(folder.Folder(), "default", scheme);
        logic.Open();
    }
    test::TempFolder folder;
    FixedAdvanceFonts fonts;
    EditorScheme scheme;
    RecordingEditor editor;
    int stores = 0;
    EdConfigLogic logic{scheme, editor, fonts, folder.Folder(), [this] { ++stores; }};
};

TEST_F(EdConfigDialogTest, OpensWithTheSchemeShown) {
    scheme.colours[2] = 0x0000FF;
    TEdConfig dialog(logic, scheme, SchemeFontChoices(fonts), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Eigenschaften von Editor");
    EXPECT_EQ(dialog.ColourField(2)->text(), "FF0000");
    EXPECT_EQ(dialog.Swatch(2)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(dialog.FontList()->currentText(), "Arial");
    EXPECT_EQ(dialog.SizeBox()->currentText(), "9");
    EXPECT_EQ(dialog.SchemeList()->currentText(), "hell");
    EXPECT_EQ(dialog.SchemeList()->count(), 1); // "default" is not listed
    EXPECT_FALSE(scheme.changed);
}

TEST_F(EdConfigDialogTest, TheSixthDigitAppliesTheColour) {
    TEdConfig dialog(logic, scheme, SchemeFontChoices(fonts), nullptr);
    dialog.show();
    QLineEdit* field = dialog.ColourField(0);
    field->selectAll();
    TypeInto(field, "00ff0");
    EXPECT_EQ(field->text(), "00FF0");
    EXPECT_EQ(scheme.colours[0], EditorScheme{}.colours[0]);
    EXPECT_FALSE(scheme.changed);
    EXPECT_EQ(dialog.SchemeList()->currentIndex(), 0);
    TypeInto(field, "0");
    EXPECT_EQ(scheme.colours[0], 0x00FF00);
    EXPECT_EQ(editor.colours[0], 0x00FF00);
    EXPECT_EQ(dialog.Swatch(0)->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_TRUE(scheme.changed);
    EXPECT_EQ(scheme.name, "default");
    EXPECT_EQ(dialog.SchemeList()->currentIndex(), -1);

    // A whole text that is no colour goes back to the swatch's.
    field->selectAll();
    TypeInto(field, "00FFZZ");
    EXPECT_EQ(field->text(), "00FF00");
    EXPECT_EQ(scheme.colours[0], 0x00FF00);
}

TEST_F(EdConfigDialogTest, FontSizeAndBoldReachTheEditor) {
    TEdConfig dialog(logic, scheme, SchemeFontChoices(fonts), nullptr);
    dialog.FontList()->setCurrentText("Verdana");
    EXPECT_EQ(editor.font, "Verdana");
    EXPECT_FALSE(scheme.changed);
    EXPECT_EQ(dialog.SchemeList()->currentIndex(), -1);
    dialog.SizeBox()->setEditText("2");
    EXPECT_EQ(scheme.sizes[0], 9);
    dialog.SizeBox()->setEditText("20");
    EXPECT_EQ(scheme.sizes[0], 20);
    EXPECT_EQ(editor.size, 20);
    EXPECT_TRUE(scheme.changed);
    dialog.BoldButton()->click();
    EXPECT_TRUE(editor.bold);
    EXPECT_TRUE(dialog.BoldButton()->isChecked());
}

TEST_F(EdConfigDialogTest, CancelPutsColoursAndNameBack) {
    TEdConfig dialog(logic, scheme, SchemeFontChoices(fonts), nullptr);
    dialog.show();
    dialog.ColourField(5)->setText("123456");
    ASSERT_TRUE(scheme.changed);
    dialog.reject();
    EXPECT_EQ(scheme.colours, EditorScheme{}.colours);
    EXPECT_EQ(editor.colours, EditorScheme{}.colours);
    EXPECT_EQ(scheme.name, "hell");
    EXPECT_FALSE(scheme.changed);
    EXPECT_EQ(stores, 0);
}

TEST_F(EdConfigDialogTest, SaveAsWritesAndSelectsTheNewScheme) {
    std::string proposed;
    TEdConfig dialog(logic, scheme, SchemeFontChoices(fonts), [&](const std::string& name) {
        proposed = name;
        return std::optional<std::string>("abend");
    });
    dialog.ColourField(1)->setText("ABCDEF");
    dialog.SaveAsButton()->click();
    EXPECT_EQ(proposed, "default");
    EXPECT_EQ(dialog.SchemeList()->currentText(), "abend");
    EXPECT_EQ(dialog.SchemeList()->count(), 2);
    EXPECT_EQ(stores, 1);
    EditorScheme read;
    ASSERT_TRUE(LoadScheme(folder.Folder(), "abend", read, fonts));
    EXPECT_EQ(read.colours[1], 0xEFCDAB);

    // Choosing the other scheme in the list loads it.
    dialog.SchemeList()->setCurrentText("hell");
    EXPECT_EQ(scheme.name, "hell");
    EXPECT_EQ(dialog.ColourField(1)->text(), FormatRrggbb(EditorScheme{}.colours[1]).c_str());
    dialog.accept();
    EXPECT_EQ(stores, 1); // "hell" was the name at opening
}

} // namespace
} // namespace qor
