// The settings window's menus, its library commands and its ways out.
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"
#include "settings/LibraryFileChoice.h"
#include "settings/VocOptionenLogic.h"
#include "settings/qt/TBInfo.h"
#include "settings/qt/TVocOptionen.h"
#include "vocab/LibraryOrder.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/qt/PrintService.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace qor {

// [SECTION] Menus

QAction* TVocOptionen::AddAction(QMenu* menu, const std::string& name, const QString& text,
                                 std::function<void()> run, const QKeySequence& shortcut) {
    return m_actions.Add(menu, name, text, std::move(run), shortcut);
}

void TVocOptionen::BuildMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* file = m_menuBar->addMenu(ToQString("&Datei"_cp));
    AddAction(file, "FileNeu", ToQString("&Neu"_cp), [this] { FileNeu(); });
    AddAction(file, "FileOpen", ToQString("Ö&ffnen..."_cp), [this] { FileOpen(); });
    AddAction(file, "FileDazu", ToQString("Hinzufügen..."_cp), [this] { FileDazu(); });
    AddAction(file, "FileSave", ToQString("&Speichern"_cp), [this] { FileSave(); });
    AddAction(file, "FileSaveAs", ToQString("Speichern &unter..."_cp), [this] { FileSaveAs(); });
    file->addSeparator();
    const bool printing = m_setup.printService != nullptr;
    AddAction(file, "Drucken", ToQString("Drucken..."_cp), [this] { PrintList(); })->setEnabled(printing);
    AddAction(file, "Karteikarten", ToQString("Karteikarten drucken..."_cp), [this] {
        if (m_setup.printService)
            m_setup.printService->PrintFlashCards(m_library, this);
    })->setEnabled(printing);
    AddAction(file, "DruckerEinrichten", ToQString("Drucker einrichten..."_cp), [this] {
        if (m_setup.printService)
            m_setup.printService->SetUpPrinter(this);
    })->setEnabled(printing);
    file->addSeparator();
    AddAction(file, "Info", ToQString("&Info"_cp), [this] { ShowInfo(); });
    file->addSeparator();
    for (int i = 0; i < 4; ++i) {
        m_recentItems[static_cast<std::size_t>(i)] =
            AddAction(file, "Recent" + std::to_string(i + 1), QString(), [this, i] { OpenRecentFile(i); });
        m_recentItems[static_cast<std::size_t>(i)]->setVisible(false);
    }
    file->addSeparator();
    AddAction(file, "goEditor", ToQString("&Editor"_cp), [this] { LeaveBy(OptionsExit::Editor); });
    AddAction(file, "goAbfrage", ToQString("&Abfrage"_cp), [this] { LeaveBy(OptionsExit::Query); });
    AddAction(
        file, "goHome", ToQString("&Home"_cp), [this] { LeaveBy(OptionsExit::Home); },
        QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* edit = m_menuBar->addMenu(ToQString("&Bearbeiten"_cp));
    AddAction(
        edit, "Sortieren", ToQString("Bibliothek sortieren"_cp), [this] { Sortieren(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(
        edit, "Mischen", ToQString("Bibliothek mischen"_cp), [this] { Mischen(); },
        QKeySequence(Qt::CTRL | Qt::Key_M));
    AddAction(
        edit, "DoppelteRaus", ToQString("Doppelte Vokabeln entfernen"_cp), [this] { DoppelteRaus(); },
        QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* options = m_menuBar->addMenu(ToQString("&Optionen"_cp));
    const auto settings = [this](OptionsSettingsDialog which) {
        return [this, which] {
            if (m_setup.openSettings)
                m_setup.openSettings(which, this);
        };
    };
    AddAction(options, "Superlearning", ToQString("Superlearning..."_cp),
              settings(OptionsSettingsDialog::Superlearning));
    QMenu* recordings = options->addMenu(ToQString("Sprachaufnahmen"_cp));
    AddAction(recordings, "RecSetup", ToQString("Einstellungen..."_cp),
              settings(OptionsSettingsDialog::RecordingFormat));
    AddAction(recordings, "WaveDB", ToQString("Verwaltung..."_cp),
              settings(OptionsSettingsDialog::RecordingsManagement));

    QMenu* help = m_menuBar->addMenu(ToQString("&Hilfe"_cp));
    m_actions.AddToggle(help, "OnlineHilfe", ToQString("&Online-Hilfe"_cp), m_setup.hintsOn, [this](bool on) {
        m_setup.hintsOn = on;
        if (m_setup.onHintsChanged)
            m_setup.onHintsChanged(on);
    });
}

// [SECTION] Files

// Nothing in this window edits entries, but the library may come from the editor with changes
// not yet saved: replacing it asks first, as the editor does, so that they are not lost unasked.
bool TVocOptionen::ConfirmLeavingLibrary() {
    if (!m_library.Changed())
        return true;
    const int answer = ShowAppMessage(
        "Die aktuelle Bibliothek wurde verändert.\rSollen die Veränderungen gespeichert werden?"_cp,
        kMbIconQuestion | kMbYesNoCancel);
    if (answer == kIdCancel)
        return false;
    if (answer == kIdYes) {
        FileSaveAs();
        return !m_library.Changed();
    }
    return true;
}

bool TVocOptionen::ChooseAndLoad(LoadMode mode) {
    const std::optional<std::string> file =
        ChooseLibraryFile(OpenChooser(), m_setup.vocabularyFolder, m_setup.changeVocabularyFolder);
    if (!file)
        return false;
    m_library.Load(*file, mode);
    if (LoggedIn())
        m_library.ComputeScores();
    return true;
}

void TVocOptionen::FileNeu() {
    if (!ConfirmLeavingLibrary())
        return;
    m_library.Clear(BlankLine::Keep);
    FullDisplay();
}

void TVocOptionen::FileOpen() {
    if (!ConfirmLeavingLibrary() || !ChooseAndLoad(LoadMode::Replace))
        return;
    FullDisplay();
}

void TVocOptionen::FileDazu() {
    if (!ChooseAndLoad(LoadMode::Append))
        return;
    m_settings.Bis = -1;
    FullDisplay();
}

void TVocOptionen::FileSave() {
    if (!m_library.FileName().empty()) {
        m_library.Save();
    } else {
        FileChoiceRequest request;
        request.filter = std::string(kLibrarySaveFilter);
        const std::optional<std::string> file = SaveChooser().ChooseFile(request);
        if (!file || file->empty())
            return;
        m_library.Save(*file);
    }
    SavedShown();
}

void TVocOptionen::FileSaveAs() {
    FileChoiceRequest request;
    request.proposedName = m_library.FileName();
    request.filter = std::string(kLibrarySaveFilter);
    const std::optional<std::string> file = SaveChooser().ChooseFile(request);
    if (!file || file->empty())
        return;
    m_library.Save(*file);
    SavedShown();
}

void TVocOptionen::SavedShown() {
    m_library.RememberRecentFile("*");
    ShowRecentFiles();
    ShowFileLabel();
}

void TVocOptionen::OpenRecentFile(int index) {
    const std::string file = m_library.RecentFile(index);
    if (file.empty() || !ConfirmLeavingLibrary())
        return;
    // Loading with replace clears the library, and leaves it as it was when the file is refused.
    m_library.Load(file, LoadMode::Replace);
    if (LoggedIn())
        m_library.ComputeScores();
    FullDisplay();
}

void TVocOptionen::Sortieren() {
    SortFrenchBlockFirst(m_library);
    FullDisplay();
}

void TVocOptionen::Mischen() {
    m_library.Shuffle();
    FullDisplay();
}

void TVocOptionen::DoppelteRaus() {
    const int removed = m_library.RemoveDuplicates(Report::Show);
    FullDisplay();
    ShowAppMessage(std::to_string(removed) + " doppelte Vokabeln wurden entfernt!", kMbOk);
}

void TVocOptionen::PrintList() {
    if (m_setup.printService)
        m_setup.printService->PrintList(m_library, this);
}

void TVocOptionen::ShowInfo() {
    TBInfo info(CountLibraryInfo(m_library), this);
    info.exec();
}

// [SECTION] Leaving

bool TVocOptionen::MayLeaveBy(OptionsExit exit) {
    switch (exit) {
    case OptionsExit::Home:
        return true;
    case OptionsExit::Editor:
        return !(m_setup.editorExists && m_setup.editorExists());
    case OptionsExit::Query:
        // Its own messages say what is missing.
        return m_library.CheckQueryStart();
    case OptionsExit::Klassisch:
    case OptionsExit::Abgedreht:
    case OptionsExit::Techno:
    case OptionsExit::SuperDD:
        if (m_library.Count() > 0)
            return true;
        // Split so that the question marks are not read as a trigraph.
        ShowAppMessage("Noch keine Bibliothek geladen! Was soll ich abfragen???"
                       "!");
        return false;
    }
    return false;
}

void TVocOptionen::LeaveBy(OptionsExit exit) {
    if (m_left || !MayLeaveBy(exit))
        return;
    const bool style = exit == OptionsExit::Klassisch || exit == OptionsExit::Abgedreht ||
                       exit == OptionsExit::Techno || exit == OptionsExit::SuperDD;
    if (style && m_setup.ensureSuperOptions)
        m_setup.ensureSuperOptions();
    if (m_setup.registry)
        m_settings.Write(*m_setup.registry);
    m_left = true;
    if (m_setup.onExit)
        m_setup.onExit(exit);
}

void TVocOptionen::closeEvent(QCloseEvent* event) {
    // Closing is the way home, unless the window has already been left by another way.
    LeaveBy(OptionsExit::Home);
    event->accept();
}

} // namespace qor
