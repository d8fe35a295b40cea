#include "editor/EditorFakes.h"
#include "editor/TVocEditorCore.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"
#include "platform/MessageCapture.h"
#include "platform/WinPath.h"
#include "settings/MemoryRegistry.h"
#include "settings/SettingsTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

using test::EntryRow;
using test::FillLibrary;

// Ten lines per entry, as the library files hold them.
std::string AscEntry(const std::string& word, const std::string& meaning) {
    return word + "\r\n" + meaning + "\r\n\r\n\r\n0\r\n\r\n0\r\n0\r\n0\r\n2\r\n";
}

const std::string kLeaveQuestion =
    std::string("Die aktuelle Bibliothek wurde verändert.\rSollen die Veränderungen gespeichert werden?"_cp);

class EditorFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillLibrary(library, {{"maison", "Haus"}, {"chat", "Katze"}});
        environment.vocabularyFolder = folder.Folder();
        environment.changeVocabularyFolder = [this](const std::string& changed) {
            folderChanges.push_back(changed);
        };
        environment.registry = &registry;
        core = std::make_unique<TVocEditorCore>(library, nullptr, view, dialogs, EditorMode::Standalone,
                                                environment);
        core->Start();
    }

    test::TempFolder folder;
    test::MemoryRegistry registry;
    std::vector<std::string> folderChanges;
    EditorEnvironment environment;
    TBibliothek library;
    test::FakeEditorView view;
    test::FakeEditorDialogs dialogs;
    test::MessageCapture messages;
    std::unique_ptr<TVocEditorCore> core;
};

TEST_F(EditorFilesTest, FileNeuAsksOnlyForAChangedLibrary) {
    struct Case {
        std::string name;
        bool changed;
        int answer;
        std::string saveTo;
        int countAfter;
        int saveDialogs;
    };
    const std::string file = folder.Folder() + "alt.asc";
    const std::vector<Case> cases = {
        {"unchanged", false, 0, "", 0, 0},         {"cancelled", true, kIdCancel, "", 2, 0},
        {"not saved", true, kIdNo, "", 0, 0},      {"save dialog cancelled", true, kIdYes, "", 2, 1},
        {"saved first", true, kIdYes, file, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillLibrary(library, {{"maison", "Haus"}, {"chat", "Katze"}});
        library.SetChanged(c.changed);
        messages.Clear();
        dialogs.save.requests.clear();
        if (c.answer != 0)
            messages.Answer(c.answer);
        if (!c.saveTo.empty())
            dialogs.save.answers.push_back(c.saveTo);
        core->FileNeu();
        EXPECT_EQ(library.Count(), c.countAfter);
        EXPECT_EQ(static_cast<int>(dialogs.save.requests.size()), c.saveDialogs);
        if (c.changed) {
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0].text, kLeaveQuestion);
            EXPECT_EQ(messages.Messages()[0].flags, 35);
        } else {
            EXPECT_TRUE(messages.Messages().empty());
        }
    }
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(view.recentItems[0], "&1 " + file);
    EXPECT_EQ(view.lines, std::vector<std::string>{"$(leer)"});
    EXPECT_EQ(view.fileLabel, "Unbenannt");
}

TEST_F(EditorFilesTest, FileOpenLoadsAndMovesTheVocabularyFolder) {
    const std::string file =
        folder.Touch("andere/tiere.asc", AscEntry("chien", "Hund") + AscEntry("loup", "Wolf"));
    dialogs.open.answers.push_back(file);
    core->ListeChange(1);
    core->FileOpen();
    ASSERT_EQ(dialogs.open.requests.size(), 1u);
    EXPECT_EQ(dialogs.open.requests[0].startFolder, folder.Folder());
    EXPECT_EQ(dialogs.open.requests[0].filter, "QLV Bibliotheken (*.asc)|*.asc");
    EXPECT_EQ(folderChanges, std::vector<std::string>{FolderPart(file)});
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(view.fields.vokabel, "chien");
    EXPECT_EQ(view.lines, (std::vector<std::string>{"$chien", "$loup", "$(leer)"}));
    EXPECT_EQ(view.fileLabel, library.DisplayName());

    // The same folder again is no change; a cancelled dialog leaves everything.
    dialogs.open.answers.push_back(folder.Touch("andere/mehr.asc", AscEntry("ours", std::string("Bär"_cp))));
    core->FileDazu();
    EXPECT_EQ(folderChanges.size(), 1u);
    EXPECT_EQ(library.Count(), 3);
    EXPECT_EQ(view.lines.size(), 4u);
    core->FileOpen();
    EXPECT_EQ(library.Count(), 3);
}

TEST_F(EditorFilesTest, FileSaveNamesAnUnnamedLibraryAndRefusesIncompleteOnes) {
    core->FileSave(); // cancelled dialog: nothing written
    EXPECT_EQ(dialogs.save.requests.size(), 1u);
    EXPECT_EQ(dialogs.save.requests[0].proposedName, "");
    EXPECT_EQ(library.FileName(), "");

    const std::string file = folder.Folder() + "neu.asc";
    dialogs.save.answers.push_back(file);
    library.SetChanged(true);
    core->FileSave();
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(library.Changed());
    EXPECT_EQ(view.fileLabel, library.DisplayName());
    EXPECT_EQ(view.recentItems[0], "&1 " + file);

    library.SetVokabel(0, "maisons");
    core->FileSave(); // named: no dialog
    EXPECT_EQ(dialogs.save.requests.size(), 2u);
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(file, contents));
    EXPECT_EQ(contents.substr(0, 9), "maisons\r\n");

    library.SetBedeutung(0, 0, "");
    core->ListeChange(1);
    core->FileSave();
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(messages.Texts().back(),
              std::string(
                  "Die Bibliothek enthält eine unvollständige Vokabel!\rBitte vervollständigen oder löschen "
                  "Sie diese Vokabel\rund speichern Sie dann die Bibliothek erneut."_cp));
}

TEST_F(EditorFilesTest, SaveAsProposesTheNameAndRecentFilesReopen) {
    const std::string first = folder.Folder() + "eins.asc";
    const std::string second = folder.Folder() + "zwei.asc";
    dialogs.save.answers.push_back(first);
    core->FileSaveAs();
    dialogs.save.answers.push_back(second);
    core->FileSaveAs();
    EXPECT_EQ(dialogs.save.requests[1].proposedName, first);
    EXPECT_EQ(view.recentItems[0], "&1 " + second);
    EXPECT_EQ(view.recentItems[1], "&2 " + first);

    FillLibrary(library, {{"x", "y"}});
    core->OpenRecentFile(view.recentItems[1]);
    EXPECT_EQ(library.FileName(), first);
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(view.lines[0], "$maison");

    library.SetChanged(true);
    messages.Answer(kIdCancel);
    core->OpenRecentFile(view.recentItems[0]);
    EXPECT_EQ(library.FileName(), first);
    core->OpenRecentFile("&3 ");
    EXPECT_EQ(library.FileName(), first);
}

// Files saved by other editors: the assistant's import converts UTF-8, and a recent file with a
// character outside Windows-1252 leaves the library as it was.
TEST_F(EditorFilesTest, FilesFromOtherEditorsAreConvertedOrRefusedWholly) {
    const std::string file = folder.Touch("import/utf8.txt", "\xEF\xBB\xBFrue;Stra\xC3\x9F"
                                                             "e\r\n");
    dialogs.importAnswer = ImportSettings{"Semikolon [;]", "Vokabel, Bedeutung", ""};
    dialogs.open.answers.push_back(file);
    core->Importieren();
    EXPECT_EQ(library.Vokabel(0), "rue");
    EXPECT_EQ(library.Bedeutung(0, 0), "Stra\xDF"
                                       "e");

    const std::string polish =
        folder.Touch("polnisch.asc", AscEntry("miasto", "\xC5\x81\xC3\xB3\x64\xC5\xBA"));
    core->OpenRecentFile("&1 " + polish);
    EXPECT_EQ(library.Vokabel(0), "rue");
    EXPECT_EQ(library.FileName(), file);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{UnconvertibleCharacterMessage(polish, 2)});
}

TEST_F(EditorFilesTest, ImportUsesTheAssistantsSeparator) {
    const std::string file = folder.Touch("import/liste.txt", "arbre:Baum\r\nfleur;Blume\r\n");
    registry.WriteText(kImportKey, kImportSeparatorValue, "Semikolon [;]");
    dialogs.importAnswer = ImportSettings{"Semikolon [;]", "Vokabel, Bedeutung", ""};
    dialogs.open.answers.push_back(file);
    core->ListeChange(1);
    core->Importieren();
    ASSERT_EQ(dialogs.importPresets.size(), 1u);
    EXPECT_EQ(dialogs.importPresets[0].separator, "Semikolon [;]");
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Vokabel(0), "fleur");
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(view.fields.vokabel, "fleur");
    EXPECT_EQ(ReadImportSettings(registry).folder, FolderPart(file));

    const std::string tabbed = folder.Touch("import/tab.txt", "chat\tKatze\r\n");
    dialogs.importAnswer = ImportSettings{"TAB", "Vokabel, Bedeutung", ""};
    dialogs.open.answers.push_back(tabbed);
    core->Importieren();
    EXPECT_EQ(library.Vokabel(0), "chat");
    EXPECT_EQ(dialogs.open.requests.back().startFolder, FolderPart(file));

    dialogs.importAnswer.reset();
    core->Importieren();
    EXPECT_EQ(library.Vokabel(0), "chat");
    EXPECT_EQ(dialogs.open.requests.size(), 2u);
}

} // namespace
} // namespace qor
