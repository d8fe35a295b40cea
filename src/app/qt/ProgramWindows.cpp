#include "app/qt/ProgramWindows.h"

#include "app/AppSettings.h"
#include "app/DataPath.h"
#include "app/FolderSettings.h"
#include "app/MainWindowShow.h"
#include "app/MainWindowState.h"
#include "app/ProgramObjects.h"
#include "app/RecordingIndex.h"
#include "app/RecordingPlayback.h"
#include "app/qt/QtSettingsDialogs.h"
#include "app/qt/TBackdrop.h"
#include "app/qt/TSuperWindow.h"
#include "page/controls/PageLinkNames.h"
#include "dictionary/qt/TXWb.h"
#include "editor/EditorScheme.h"
#include "editor/EditorWaveRecorder.h"
#include "editor/qt/TVocEditor.h"
#include "platform/Fonts.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "platform/qt/DialogPlacement.h"
#include "settings/TSuperOptions.h"
#include "vocab/TBibliothek.h"
#include "vocab/verbs/TVerben.h"

#include <QTimer>

namespace qor {

namespace {

// The recording stored for exactly this French headword, resolved to its file; without one its
// speech when that is on; empty otherwise.
std::string HeadwordRecording(std::string_view headword) {
    const std::optional<std::string> stored = CurrentRecordingIndex().Find(headword);
    std::string file = stored ? ResolveDataPath(*stored).file : std::string();
    if (file.empty() && SpeechForUnrecorded() && !headword.empty())
        return SpeechLinkTarget(headword);
    return file;
}

void PlayAtCaret(std::string_view text, int caret, int selection, bool french) {
    PlayRecordingAtCaret(text, caret, selection, CurrentRecordingIndex(), Settings(), CurrentMediaCommandSender(),
                         french && SpeechForUnrecorded());
}

void ChangeVocabularyFolder(const std::string& folder) {
    Settings().vocabularyFolder = folder;
    SaveFolderSettings(kSaveVocabularyFolder);
}

// A window that goes while it is shown would count as the program's last one closing.
template <typename Window> void HideAndDestroyLater(std::unique_ptr<Window>& window) {
    if (!window)
        return;
    window->hide();
    window.release()->deleteLater();
}

} // namespace

ProgramWindows::ProgramWindows(ProgramObjects& objects, std::function<void()> endProgram, FileDialogs dialogs,
                               FileChooser& open, FileChooser& save)
    : m_objects(objects), m_endProgram(std::move(endProgram)), m_dialogs(dialogs), m_openChooser(open),
      m_saveChooser(save) {}

ProgramWindows::~ProgramWindows() {
    if (TBibliothek* library = m_objects.Library())
        library->SetOpenOptionsWindow(nullptr);
    DestroySuperWindow();
    m_optionsWindow.reset();
    m_verbWindow.reset();
    if (m_editor)
        DestroyEditor();
    m_dictionaryWindow.reset();
    delete m_main.data();
}

void ProgramWindows::ShowBackdrop(std::int32_t colour) {
    if (!m_backdrop) {
        m_backdrop = std::make_unique<TBackdrop>(colour);
        m_backdrop->onColourChanged = [this](std::int32_t chosen) { m_objects.SetBackdrop(chosen, true); };
    }
    m_backdrop->SetColour(colour);
    m_backdrop->ShowColor();
    m_backdrop->ShowBehind();
}

MainWindow* ProgramWindows::ShowMainWindow(std::optional<QPoint> at,
                                           std::optional<Colour> visibleBackdropColour) {
    ConnectFailedQueryStart();
    // A pending command's page takes the colour of the backdrop around it.
    if (!visibleBackdropColour && m_objects.BackdropVisible())
        visibleBackdropColour = Colour(m_objects.BackdropColour());
    auto* window = new MainWindow(m_endProgram, m_objects,
                                  MainWindow::Links{*this, m_dictionaryService, m_saveFileService});
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (at)
        window->move(*at);
    m_main = window;
    if (!window->Start(visibleBackdropColour))
        return nullptr;
    return window;
}

TVocEditor* ProgramWindows::ShowEditor(EditorMode mode, std::optional<QPoint> at) {
    ConnectFailedQueryStart();
    const AppSettings& settings = Settings();
    EditorWindowSetup setup;
    setup.mode = mode;
    setup.library = m_objects.Library();
    setup.dictionary = m_objects.Dictionary();
    setup.environment.vocabularyFolder = settings.vocabularyFolder;
    setup.environment.changeVocabularyFolder = ChangeVocabularyFolder;
    setup.environment.registry = &Registry(RegistryHive::LocalMachine);
    setup.environment.recordingLookup = HeadwordRecording;
    setup.playRecording = [](const std::string& target) { PlayListenTarget(target); };
    setup.playAtCaret = PlayAtCaret;
    setup.manageRecording = [this](const std::string& headword, const std::string& file, QWidget* parent) {
        QtSettingsDialogs(m_objects, parent).ManageRecording(headword, file);
    };
    if (!m_scheme) {
        m_scheme.emplace();
        LoadScheme(settings.programFolder, settings.editorScheme, *m_scheme, CurrentFontService());
    }
    setup.scheme = *m_scheme;
    setup.pageFolder = MainPageFolder(settings);
    setup.programFolder = settings.programFolder;
    setup.fonts = &CurrentFontService();
    setup.onSchemeNameChanged = [](const std::string& name) {
        Settings().editorScheme = name;
        SaveFolderSettings(kSaveEditorScheme);
    };
    setup.hintsOn = settings.hintsOn;
    setup.onHintsChanged = [](bool on) { Settings().hintsOn = on; };
    setup.openSettings = [this](EditorSettingsDialog which, QWidget* parent) {
        QtSettingsDialogs dialogs(m_objects, parent);
        switch (which) {
        case EditorSettingsDialog::Superlearning:
            dialogs.SuperlearningSettings();
            break;
        case EditorSettingsDialog::RecordingFormat:
            dialogs.RecordingSettings();
            break;
        case EditorSettingsDialog::RecordingsManagement:
            dialogs.RecordingsManagement();
            break;
        }
    };
    setup.onExit = [this](EditorExit exit) {
        // The editor's own click is still running: it is released once that has returned.
        QTimer::singleShot(0, [this, exit] { EditorExited(exit); });
    };
    if (!m_editorRecorder) {
        if (tWaveRec* recorder = m_objects.EnsureWaveRecorder())
            m_editorRecorder = std::make_unique<EditorWaveRecorder>(*recorder);
    }
    setup.recorder = m_editorRecorder.get();
    setup.printService = &m_printService;
    if (m_dialogs == FileDialogs::Scripted) {
        setup.openChooser = &m_openChooser;
        setup.saveChooser = &m_saveChooser;
    }
    if (!setup.library)
        return nullptr;
    m_editor = std::make_unique<TVocEditor>(std::move(setup));
    if (at)
        m_editor->move(*at);
    m_editor->show();
    return m_editor.get();
}

TXPage* ProgramWindows::CurrentPage() const {
    return m_main ? &m_main->Page() : nullptr;
}

QWidget* ProgramWindows::ShownWindow() const {
    if (m_editor && m_editor->isVisible())
        return m_editor.get();
    if (m_superWindow)
        return m_superWindow;
    if (m_verbWindow)
        return m_verbWindow.get();
    if (m_optionsWindow)
        return m_optionsWindow.get();
    return m_main;
}

void ProgramWindows::ReturnToMainWindow() {
    // The main window first: the others may go only while a window is shown.
    if (!m_main)
        ShowMainWindow(std::nullopt, std::nullopt);
    DestroySuperWindow();
    if (m_editor)
        DestroyEditor();
    HideAndDestroyLater(m_verbWindow);
    HideAndDestroyLater(m_optionsWindow);
    if (m_dictionaryWindow)
        m_dictionaryWindow->hide();
}

void ProgramWindows::ReleaseMain() {
    if (MainWindow* old = m_main) {
        m_main = nullptr;
        old->Release();
        old->hide();
        old->deleteLater();
    }
}

void ProgramWindows::WbService::ShowWindow() {
    TXDatabase* dictionary = m_windows.m_objects.Dictionary();
    if (!dictionary)
        return;
    if (!m_windows.m_dictionaryWindow) {
        WbSetup setup;
        setup.dictionary = dictionary;
        setup.recordingLookup = HeadwordRecording;
        setup.playRecording = [](const std::string& target) { PlayListenTarget(target); };
        setup.playAtCaret = PlayAtCaret;
        setup.onChanged = [this] {
            if (m_windows.m_editor)
                m_windows.m_editor->Core().DictionaryChanged();
        };
        m_windows.m_dictionaryWindow = std::make_unique<TXWb>(std::move(setup));
        CentreOnScreen(*m_windows.m_dictionaryWindow);
    }
    m_windows.m_dictionaryWindow->show();
    m_windows.m_dictionaryWindow->raise();
}

void ProgramWindows::WbService::CloseWindowIfVisible() {
    if (m_windows.m_dictionaryWindow && m_windows.m_dictionaryWindow->isVisible())
        m_windows.m_dictionaryWindow->hide();
}

void ProgramWindows::OpenEditor() {
    const QPoint at = m_main ? m_main->pos() : QPoint();
    if (!ShowEditor(EditorMode::Trainer, at))
        return;
    ReleaseMain();
}

void ProgramWindows::EditorExited(EditorExit exit) {
    if (!m_editor)
        return;
    const QPoint at = m_editor->pos();
    MainWindowState& state = MainState();
    switch (exit) {
    case EditorExit::Stay:
        return;
    case EditorExit::EndProgram:
        // The editor has asked about its library: it goes before the library does.
        DestroyEditor();
        if (m_endProgram)
            m_endProgram();
        return;
    case EditorExit::Query:
        state.pendingCommand = "vabfrage";
        break;
    case EditorExit::StyleTechno:
        state.queryStyle = 2;
        state.pendingCommand = "super";
        break;
    case EditorExit::StyleSuperDD:
        state.queryStyle = 3;
        state.pendingCommand = "super";
        break;
    case EditorExit::SettingsWindow:
        if (ShowOptionsWindow(at)) {
            ReleaseShownWindowExcept(m_optionsWindow.get());
            return;
        }
        break;
    case EditorExit::StyleKlassisch:
    case EditorExit::StyleAbgedreht:
        m_objects.EnsureOptions().LoadStyleSettings(exit == EditorExit::StyleKlassisch ? 0 : 1);
        state.returnWindow = "Editor";
        OpenSuperlearningFade();
        return;
    case EditorExit::MainWindow:
        break;
    }
    ShowMainWindow(at, std::nullopt);
    m_editor->hide();
    KeepScheme();
    m_editor.release()->deleteLater();
}

void ProgramWindows::ConnectFailedQueryStart() {
    // Whichever window started it (a page of the main window, the editor), a query that cannot
    // start leads to the settings window in that window's place.
    if (TBibliothek* library = m_objects.Library())
        library->SetOpenOptionsWindow([this] { OpenQuerySettings(); });
}

void ProgramWindows::KeepScheme() {
    m_scheme = m_editor->Scheme();
    if (SaveChangedScheme(Settings().programFolder, *m_scheme))
        m_scheme->changed = false;
}

void ProgramWindows::DestroyEditor() {
    m_editor->hide();
    KeepScheme();
    m_editor.reset();
}

bool ProgramWindows::CloseWindowsForEnd(EndQuestions questions, MayStay mayStay) {
    DestroySuperWindow();
    m_verbWindow.reset();
    m_optionsWindow.reset();
    if (m_editor) {
        if (questions == EndQuestions::Ask && m_editor->isVisible() &&
            m_editor->Core().Leave(LeaveCommand::Close) == EditorExit::Stay && mayStay == MayStay::Yes)
            return false;
        DestroyEditor();
    }
    if (m_dictionaryWindow)
        m_dictionaryWindow->hide();
    return true;
}

void ProgramWindows::OpenVerbSettings() {
    TVerben* verbs = m_objects.EnsureVerbs();
    if (!verbs || m_verbWindow)
        return;
    VerbSelectionSetup setup;
    setup.verbs = verbs;
    setup.onExit = [this](VerbExit exit) {
        // The window's own click is still running: it is released once that has returned.
        QTimer::singleShot(0, [this, exit] { VerbWindowExited(exit); });
    };
    m_verbWindow = std::make_unique<TVerbAuswahl>(std::move(setup));
    ReplaceMainBy(*m_verbWindow);
}

void ProgramWindows::VerbWindowExited(VerbExit exit) {
    if (!m_verbWindow)
        return;
    const QPoint at = m_verbWindow->pos();
    MainWindowState& state = MainState();
    switch (exit) {
    case VerbExit::Query:
        state.returnPage.clear();
        state.pendingCommand = "verb";
        break;
    case VerbExit::Cancel:
        state.returnPage = "verben.htx";
        break;
    case VerbExit::Closed:
        break;
    }
    m_verbWindow->hide();
    m_verbWindow.release()->deleteLater();
    ShowMainWindow(at, std::nullopt);
}

void ProgramWindows::ReplaceMainBy(QWidget& window) {
    window.move(m_main ? m_main->pos() : QPoint());
    window.show();
    ReleaseMain();
}

void ProgramWindows::OpenQuerySettings() {
    if (m_optionsWindow || m_superWindow)
        return;
    QWidget* shown = ShownWindow();
    if (ShowOptionsWindow(shown ? shown->pos() : QPoint()))
        ReleaseShownWindowExcept(m_optionsWindow.get());
}

TVocOptionen* ProgramWindows::ShowOptionsWindow(QPoint at) {
    m_objects.EnsureQueryObjects();
    TBibliothek* library = m_objects.Library();
    if (!library || !library->Settings())
        return nullptr;
    const AppSettings& settings = Settings();
    VocOptionenSetup setup;
    setup.library = library;
    setup.settings = library->Settings();
    setup.users = m_objects.Users();
    setup.registry = &Registry(RegistryHive::LocalMachine);
    setup.pageFolder = MainPageFolder(settings);
    setup.vocabularyFolder = settings.vocabularyFolder;
    setup.changeVocabularyFolder = ChangeVocabularyFolder;
    if (m_dialogs == FileDialogs::Scripted) {
        setup.openChooser = &m_openChooser;
        setup.saveChooser = &m_saveChooser;
    }
    setup.hintsOn = settings.hintsOn;
    setup.onHintsChanged = [](bool on) { Settings().hintsOn = on; };
    setup.editorExists = [this] { return m_editor != nullptr; };
    setup.playRecording = [](const std::string& headword) { PlayRecordingForText(headword); };
    setup.openSettings = [this](OptionsSettingsDialog which, QWidget* parent) {
        QtSettingsDialogs dialogs(m_objects, parent);
        switch (which) {
        case OptionsSettingsDialog::Superlearning:
            dialogs.SuperlearningSettings();
            break;
        case OptionsSettingsDialog::RecordingFormat:
            dialogs.RecordingSettings();
            break;
        case OptionsSettingsDialog::RecordingsManagement:
            dialogs.RecordingsManagement();
            break;
        }
    };
    setup.ensureSuperOptions = [this] { m_objects.EnsureOptions(); };
    setup.printService = &m_printService;
    setup.onExit = [this](OptionsExit exit) {
        // The window's own click is still running: it is released once that has returned.
        QTimer::singleShot(0, [this, exit] { OptionsWindowExited(exit); });
    };
    m_optionsWindow = std::make_unique<TVocOptionen>(std::move(setup));
    m_optionsWindow->move(at);
    m_optionsWindow->show();
    return m_optionsWindow.get();
}

void ProgramWindows::OptionsWindowExited(OptionsExit exit) {
    if (!m_optionsWindow)
        return;
    const QPoint at = m_optionsWindow->pos();
    MainWindowState& state = MainState();
    switch (exit) {
    case OptionsExit::Home:
        break;
    case OptionsExit::Editor:
        if (ShowEditor(EditorMode::Trainer, at)) {
            HideAndDestroyLater(m_optionsWindow);
            return;
        }
        break;
    case OptionsExit::Query:
        state.pendingCommand = "vabfrage";
        break;
    case OptionsExit::Klassisch:
    case OptionsExit::Abgedreht:
        m_objects.EnsureOptions().LoadStyleSettings(exit == OptionsExit::Klassisch ? 0 : 1);
        state.returnWindow = "Opts";
        OpenSuperlearningFade();
        return;
    case OptionsExit::Techno:
        state.queryStyle = 2;
        state.pendingCommand = "super";
        break;
    case OptionsExit::SuperDD:
        state.queryStyle = 3;
        state.pendingCommand = "super";
        break;
    }
    ShowMainWindow(at, std::nullopt);
    HideAndDestroyLater(m_optionsWindow);
}

void ProgramWindows::OpenSuperlearningFade() {
    if (m_superWindow)
        return;
    m_objects.EnsureQueryObjects();
    TBibliothek* library = m_objects.Library();
    if (!library || !library->Settings())
        return;
    SuperWindowSetup setup;
    setup.library = library;
    setup.settings = library->Settings();
    setup.options = &m_objects.EnsureOptions();
    setup.musicSender = &CurrentMediaCommandSender();
    setup.onClosed = [this] { SuperlearningClosed(); };
    auto* window = new TSuperWindow(std::move(setup));
    m_superWindow = window;
    window->Start();
    m_superReturnAt = ReleaseShownWindowExcept(window);
}

void ProgramWindows::DestroySuperWindow() {
    if (TSuperWindow* window = m_superWindow) {
        m_superWindow = nullptr;
        window->hide();
        delete window;
    }
}

void ProgramWindows::SuperlearningClosed() {
    m_superWindow = nullptr;
    const std::string& returnWindow = MainState().returnWindow;
    if (returnWindow == "Opts" && ShowOptionsWindow(m_superReturnAt))
        return;
    if (returnWindow == "Editor" && ShowEditor(EditorMode::Trainer, m_superReturnAt))
        return;
    // Also for a name nobody set: the program never goes on without a window.
    ShowMainWindow(m_superReturnAt, std::nullopt);
}

QPoint ProgramWindows::ReleaseShownWindowExcept(QWidget* kept) {
    QPoint at;
    if (m_optionsWindow && m_optionsWindow.get() != kept) {
        at = m_optionsWindow->pos();
        HideAndDestroyLater(m_optionsWindow);
    } else if (m_editor) {
        at = m_editor->pos();
        m_editor->hide();
        KeepScheme();
        m_editor.release()->deleteLater();
    } else if (m_main) {
        at = m_main->pos();
        ReleaseMain();
    }
    return at;
}

} // namespace qor
