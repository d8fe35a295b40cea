#pragma once
// The trainer's main window: borderless, black, with a client area of 800 × 572 pixels that the
// page control fills. It answers the page's commands, special codes and picture codes and decides
// what a new main window shows first.

#include "app/CommandContext.h"
#include "app/CommandPage.h"
#include "app/CommandServices.h"
#include "app/DictionaryServices.h"
#include "app/LabServices.h"
#include "app/LibraryServices.h"
#include "app/OptionsServices.h"
#include "app/PageStyleScreen.h"
#include "app/QueryServices.h"
#include "app/ShellCommandServices.h"
#include "app/StyleServices.h"
#include "app/UserDatabaseServices.h"
#include "app/VerbServices.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace qor {

class ProgramObjects;
class TXPage;

class MainWindow : public QWidget, private CommandPage, private BrowserService, private ProgramEndService {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 572;

    // The program's windows and dialogs that the page commands reach beyond this window.
    struct Links {
        ToolWindowService& toolWindows;      // the windows that take this window's place
        DictionaryService& dictionaryWindow; // the window that "wb" shows
        SaveFileService& saveFile;           // the save dialog of "go" before a changed library goes
    };
    // `endProgram` is the end of the program (Beenden and leaving the message loop); the link
    // "END", the command "end" and closing the window call it. `objects`: the long-lived objects
    // behind the commands; the library, the language lab, the verb trainer and the dictionary must
    // exist.
    MainWindow(std::function<void()> endProgram, ProgramObjects& objects, Links links,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and its first page: the page a tool window asked for, a command it left
    // behind, or the main page. False when the learner gave up looking for the main page; the
    // window is closed then.
    bool Start(std::optional<Colour> visibleBackdropColour);

    TXPage& Page() { return *m_page; }
    // Another window has taken this one's place: commands that still arrive from its page (a
    // click the learner made before) are dropped, so that nothing opens twice.
    void Release() { m_released = true; }
    CommandContext& Context() { return m_context; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // [CommandPage]
    std::string CurrentFile() const override;
    void LoadPage(std::string_view file) override;
    void SetPageFolder(std::string_view folder) override;
    void Reload() override;
    void ShowText(std::string_view markup) override;
    void SetCondition(std::string_view name) override;
    void ClearCondition(std::string_view name) override;
    bool TestCondition(std::string_view name) const override;
    void SetMacro(std::string_view name, std::string_view value) override;
    void SetBackgroundColour(Colour colour) override;
    void SetSpecialCharacters(std::string_view characters) override;
    void ShowNormalCursor() override;
    void EnableMouseInput() override;
    // A left click on the page while a presentation runs: its "stop" link stops it, anywhere
    // else the presentation takes the click.
    bool PresentationClick(int x, int y);
    // [BrowserService]
    bool Open(std::string_view url) override;
    // [ProgramEndService]
    void Beenden() override;

    TXPage* m_page = nullptr;
    SettingsDriveSearch m_driveSearch;
    CommandContext m_context;
    std::function<void()> m_endProgram;
    std::unique_ptr<DialogService> m_settingsDialogs;
    bool m_released = false;
    std::unique_ptr<UserDatabaseServices> m_userServices;
    std::unique_ptr<OptionsServices> m_optionsServices;
    std::unique_ptr<LibraryServices> m_libraryServices;
    std::unique_ptr<QueryServices> m_queryServices;
    std::unique_ptr<LabServices> m_labServices;
    std::unique_ptr<VerbServices> m_verbServices;
    std::unique_ptr<DictionaryServices> m_dictionaryServices;
    std::unique_ptr<PageStyleScreen> m_styleScreen;
    std::unique_ptr<StyleServices> m_styleServices;
    ProgramObjects& m_objects;
};

} // namespace qor
