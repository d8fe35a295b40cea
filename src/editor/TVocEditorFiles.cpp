// The editor's file commands: the leave check, new, open, add, save, recent files and import.
#include "editor/TVocEditorCore.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "settings/LibraryFileChoice.h"

namespace qor {

namespace {

constexpr std::string_view kLeaveQuestion =
    "Die aktuelle Bibliothek wurde verändert.\rSollen die Veränderungen gespeichert werden?"_cp;

} // namespace

bool TVocEditorCore::ConfirmLeavingLibrary(std::string_view question) {
    if (!m_library.Changed())
        return true;
    const int answer = ShowAppMessage(question, kMbIconQuestion | kMbYesNoCancel);
    if (answer == kIdCancel)
        return false;
    if (answer == kIdYes) {
        FileSaveAs();
        // A cancelled save dialog must not cost the learner the changes just offered to save.
        return !m_library.Changed();
    }
    return true;
}

void TVocEditorCore::FileNeu() {
    if (ConfirmLeavingLibrary(kLeaveQuestion))
        ClearLibrary();
}

void TVocEditorCore::ClearLibrary() {
    m_library.Clear(BlankLine::Keep);
    SelectEntry(0);
    ShowFileName();
}

void TVocEditorCore::ZufallErzeugen() {
    const std::optional<RandomLibraryRequest> request = m_dialogs.RandomLibraryDialog();
    if (!request || !m_dictionary || !ConfirmLeavingLibrary(kLeaveQuestion))
        return;
    ClearLibrary();
    FillRandomly(*request);
}

bool TVocEditorCore::ChooseAndLoad(LoadMode mode) {
    const std::optional<std::string> file = ChooseLibraryFile(
        m_dialogs.OpenFileChooser(), m_environment.vocabularyFolder, m_environment.changeVocabularyFolder);
    if (!file)
        return false;
    m_library.Load(*file, mode);
    return true;
}

void TVocEditorCore::FileOpen() {
    if (!ConfirmLeavingLibrary(kLeaveQuestion))
        return;
    if (!ChooseAndLoad(LoadMode::Replace))
        return;
    SelectEntry(0);
    ShowFileName();
}

void TVocEditorCore::FileDazu() {
    if (!ChooseAndLoad(LoadMode::Append))
        return;
    ShowList();
    ShowVokabel();
}

void TVocEditorCore::FileSave() {
    const int blank = m_library.FirstInnerBlank();
    if (blank >= 0) {
        ShowIncompleteEntry(blank,
                            "Die Bibliothek enthält eine unvollständige Vokabel!\rBitte vervollständigen "
                            "oder löschen Sie diese Vokabel\rund speichern Sie dann die Bibliothek "
                            "erneut."_cp);
        return;
    }
    if (!m_library.FileName().empty()) {
        m_library.Save();
    } else {
        FileChoiceRequest request;
        request.filter = std::string(kLibrarySaveFilter);
        const std::optional<std::string> file = m_dialogs.SaveFileChooser().ChooseFile(request);
        if (!file || file->empty())
            return;
        m_library.Save(*file);
    }
    ShowFileName();
    m_library.RememberRecentFile("*");
    RefreshRecentFiles();
}

void TVocEditorCore::FileSaveAs() {
    FileChoiceRequest request;
    request.proposedName = m_library.FileName();
    request.filter = std::string(kLibrarySaveFilter);
    const std::optional<std::string> file = m_dialogs.SaveFileChooser().ChooseFile(request);
    if (file && !file->empty())
        m_library.Save(*file);
    m_library.RememberRecentFile("*");
    RefreshRecentFiles();
    ShowFileName();
}

// The menu item reads "&1 " + file name. It asks before a changed library is replaced, as opening
// a file does: the learner's changes are never dropped without a question. Loading with replace
// clears the library itself, and leaves it alone when the file is refused.
void TVocEditorCore::OpenRecentFile(std::string_view caption) {
    const std::string file = caption.size() > 3 ? std::string(caption.substr(3)) : std::string();
    if (file.empty() || !ConfirmLeavingLibrary(kLeaveQuestion))
        return;
    m_library.Load(file, LoadMode::Replace);
    SelectEntry(0);
    ShowFileName();
    ShowList();
}

void TVocEditorCore::Importieren() {
    if (!ConfirmLeavingLibrary(kLeaveQuestion))
        return;
    if (m_environment.registry) {
        const std::optional<ImportSettings> typed =
            m_dialogs.ImportAssistant(ReadImportSettings(*m_environment.registry));
        if (typed)
            ImportChosenFile(*typed, m_environment.vocabularyFolder, m_dialogs.OpenFileChooser(),
                             *m_environment.registry, m_library);
    }
    SelectEntry(0);
    ShowFileName();
}

} // namespace qor
