#pragma once
// The windows that take turns on the screen: the trainer's main window and the tool windows that
// take its place (the vocabulary editor, the settings windows, the superlearning presentation). Each is made
// at the position of the one it replaces, which is released once the new one shows.

#include "app/CommandServices.h"
#include "app/FileDialogAdapters.h"
#include "app/LongLivedObjects.h"
#include "app/qt/MainWindow.h"
#include "editor/EditorRecording.h"
#include "editor/EditorScheme.h"
#include "editor/TVocEditorCore.h"
#include "settings/qt/TVocOptionen.h"
#include "vocab/qt/QtPrintService.h"
#include "vocab/verbs/qt/TVerbAuswahl.h"

#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace qor {

class ProgramObjects;
class TBackdrop;
class TSuperWindow;
class TVerbAuswahl;
class TVocEditor;
class TXWb;
class TXPage;

class ProgramWindows : public ToolWindowService {
public:
    // `open` and `save` are the program's file dialogs (not owned): the Qt ones on screen (the
    // editor then shows its own over itself), a script's otherwise.
    enum class FileDialogs { OnScreen, Scripted };
    ProgramWindows(ProgramObjects& objects, std::function<void()> endProgram, FileDialogs dialogs,
                   FileChooser& open, FileChooser& save);
    ~ProgramWindows() override;

    // The first main window (at the system's place) or a later one at `at`; nullptr when the
    // learner gave up looking for the main page.
    MainWindow* ShowMainWindow(std::optional<QPoint> at, std::optional<Colour> visibleBackdropColour);
    // Editor mode: the editor is the program's window; closing it ends the program.
    TVocEditor* ShowEditor(EditorMode mode, std::optional<QPoint> at);

    MainWindow* Main() const { return m_main; }
    TVocEditor* Editor() const { return m_editor.get(); }
    TVocOptionen* OptionsWindow() const { return m_optionsWindow.get(); }
    // The plain window behind the trainer on screens larger than it; the learner's colour choice
    // goes to the long-lived objects, which store it at the end.
    void ShowBackdrop(std::int32_t colour);
    TBackdrop* Backdrop() const { return m_backdrop.get(); }
    // The page of the main window shown now, or nullptr while a tool window stands in its place.
    TXPage* CurrentPage() const;

    // [ToolWindowService]
    void OpenEditor() override;
    void OpenQuerySettings() override;
    void OpenVerbSettings() override;
    void OpenSuperlearningFade() override;

    // The window in the main window's place now: the main window or the tool window shown instead.
    QWidget* ShownWindow() const;
    // Back to a main window on its main page: the tool windows and the dictionary window go without
    // questions (a fresh start for a script's walk).
    void ReturnToMainWindow();

    // The dictionary window, made when it is first shown.
    TXWb* DictionaryWindow() const { return m_dictionaryWindow.get(); }

    // Before the long-lived objects go: the editor is asked about its library while that still
    // exists (unless it already agreed, or nobody may be asked), then closed, keeping its scheme.
    // False when the learner chose to stay and `mayStay` allows it; nothing is closed then.
    enum class MayStay { No, Yes };
    bool CloseWindowsForEnd(EndQuestions questions, MayStay mayStay);

private:
    // "wb" shows the dictionary window; the page's own searches stay with the main window.
    class WbService : public DictionaryService {
    public:
        explicit WbService(ProgramWindows& windows) : m_windows(windows) {}
        void ShowWindow() override;
        void CloseWindowIfVisible() override;
        void SearchFromPage() override {}
        void ShowResultPage(int) override {}

    private:
        ProgramWindows& m_windows;
    };

    void ConnectFailedQueryStart();
    void VerbWindowExited(VerbExit exit);
    void OptionsWindowExited(OptionsExit exit);
    TVocOptionen* ShowOptionsWindow(QPoint at);
    void SuperlearningClosed();
    // Without going back to the window it came from (the end of the program, a script's walk).
    void DestroySuperWindow();
    // The window shown until now goes, unless it is `kept` (the main window is released, the
    // editor keeps its scheme); its position.
    QPoint ReleaseShownWindowExcept(QWidget* kept);
    // The main window goes once the tool window that replaces it shows.
    void ReplaceMainBy(QWidget& window);
    void EditorExited(EditorExit exit);
    void ReleaseMain();
    // A changed scheme goes to "default.ed" when the editor closes; the next editor of the run
    // starts from the scheme the last one left.
    void KeepScheme();
    void DestroyEditor();

    ProgramObjects& m_objects;
    std::function<void()> m_endProgram;
    FileDialogs m_dialogs;
    FileChooser& m_openChooser;
    FileChooser& m_saveChooser;
    FileChooserSaveFileService m_saveFileService{m_saveChooser};
    std::optional<EditorScheme> m_scheme;
    QPointer<MainWindow> m_main;
    std::unique_ptr<TVocEditor> m_editor;
    std::unique_ptr<EditorRecorder> m_editorRecorder;
    WbService m_dictionaryService{*this};
    std::unique_ptr<TXWb> m_dictionaryWindow;
    std::unique_ptr<TVerbAuswahl> m_verbWindow;
    std::unique_ptr<TVocOptionen> m_optionsWindow;
    QPointer<TSuperWindow> m_superWindow;
    QPoint m_superReturnAt;
    std::unique_ptr<TBackdrop> m_backdrop;
    QtPrintService m_printService;
};

} // namespace qor
