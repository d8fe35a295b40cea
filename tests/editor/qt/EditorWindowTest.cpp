#include "app/qt/QtTestApplication.h"
#include "app/qt/TXPage.h"
#include "dictionary/TXDatabase.h"
#include "editor/qt/TImport.h"
#include "editor/qt/TVocEditor.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/Zlib.h"
#include "platform/qt/QtText.h"
#include "settings/MemoryRegistry.h"
#include "settings/SettingsTestSupport.h"
#include "settings/qt/TFrListe.h"
#include "settings/qt/TXListBox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace qor {
namespace {

void TypeInto(QWidget* widget, const QString& text) {
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

TVokabel Entry(std::string vokabel, std::string bedeutung) {
    TVokabel entry;
    entry.Vokabel = std::move(vokabel);
    entry.Bedeutung0 = std::move(bedeutung);
    return entry;
}

class EditorWindowTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&messages);
        library.Clear(BlankLine::Drop);
        library.Add(Entry("maison", "Haus"));
        library.Add(Entry("chat", "Katze"));
        library.AddBlank();
        library.SetChanged(false);
        // The import assistant's help page, packed as the program folder holds it.
        folder.Touch("hqor/_import.htx", DeflateZlib("<TITLE>Import</TITLE>So wird importiert."));
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    std::unique_ptr<TVocEditor> Open(EditorMode mode = EditorMode::Trainer) {
        EditorWindowSetup setup;
        setup.mode = mode;
        setup.library = &library;
        setup.dictionary = &dictionary;
        setup.environment.vocabularyFolder = folder.Folder();
        setup.environment.registry = &registry;
        setup.pageFolder = folder.Folder() + "hqor/";
        setup.onExit = [this](EditorExit exit) { exits.push_back(exit); };
        return std::make_unique<TVocEditor>(std::move(setup));
    }

    ScriptedMessagePresenter messages;
    test::TempFolder folder;
    test::MemoryRegistry registry;
    TBibliothek library;
    TXDatabase dictionary;
    std::vector<EditorExit> exits;
};

TEST_F(EditorWindowTest, ShowsTheLibraryAndWritesEditsThrough) {
    std::unique_ptr<TVocEditor> editor = Open();
    EXPECT_EQ(editor->windowTitle(), ToQString("qor französisch - Vokabeleditor"_cp));
    EXPECT_EQ(editor->HeadwordField()->text(), "maison");
    EXPECT_EQ(editor->ListFrame()->Position1()->text(), "1");
    EXPECT_EQ(editor->ListFrame()->Position2()->text(), "2");
    EXPECT_EQ(editor->ListFrame()->Liste()->Selected(), 0);

    editor->HeadwordField()->clear();
    TypeInto(editor->HeadwordField(), QStringLiteral("la maison"));
    EXPECT_EQ(library.Entry(0).Vokabel, "la maison");
    EXPECT_TRUE(library.Changed());
}

TEST_F(EditorWindowTest, ImportOpensTheAssistantWithItsHelpPage) {
    std::unique_ptr<TVocEditor> editor = Open();
    std::string shownPage;
    bool opened = false;
    // The dialog loads its page before it shows; look until it is on the screen.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<TImport*>(window); dialog && dialog->isVisible()) {
                opened = true;
                shownPage = dialog->HelpPage()->Page().XFile();
                watcher.stop();
                dialog->reject();
            }
        }
    });
    watcher.start(10);
    ASSERT_NE(editor->Action("Importieren1"), nullptr);
    ASSERT_FALSE(library.Changed());
    editor->Action("Importieren1")->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(shownPage, "_import.htx");
    EXPECT_EQ(library.Count(), 2) << "a cancelled import changes nothing";
}

TEST_F(EditorWindowTest, LeavingHandsTheNextWindowToTheProgram) {
    struct Case {
        EditorMode mode;
        const char* action;
        EditorExit expected;
    };
    const Case cases[] = {
        {EditorMode::Trainer, "goHome", EditorExit::MainWindow},
        {EditorMode::Trainer, "goEinstellungen", EditorExit::SettingsWindow},
        {EditorMode::Standalone, "Beenden", EditorExit::EndProgram},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        exits.clear();
        std::unique_ptr<TVocEditor> editor = Open(c.mode);
        ASSERT_NE(editor->Action(c.action), nullptr);
        editor->Action(c.action)->trigger();
        EXPECT_EQ(exits, std::vector<EditorExit>{c.expected});
    }
}

} // namespace
} // namespace qor
