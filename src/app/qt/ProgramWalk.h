#pragma once
// A walk through everything a learner can click: every link of every page below the page folder,
// and every menu item and button of a window. Each one is tried on a fresh page or a fresh window,
// and what it did is noted: another page, a window or dialog, a message, a changed picture,
// condition, macro or setting, a sound command, a web address. Scripts use it to show that
// nothing leads nowhere.

#include "app/ScriptDriver.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace qor {

class ScriptedFileChooser;
class ScriptedMessagePresenter;
class ScriptedUserDialogs;
class TXPage;

struct WalkEnvironment {
    std::string pageRoot;              // the page folder ("…/hqor/"), program path
    std::function<TXPage*()> mainPage; // nullptr while a tool window takes the main window's place
    // The window in the main window's place: the main window or the tool window shown instead.
    std::function<QWidget*()> shownWindow;
    // Closes the tool windows and dialogs without questions and shows a main window.
    std::function<void()> returnToMainWindow;
    // Replaces the library's entries by those of a file; false when it cannot be read.
    std::function<bool(const std::string& file)> loadLibrary;
    ScriptedMessagePresenter* messages = nullptr;
    ScriptedFileChooser* files = nullptr;
    ScriptedUserDialogs* userDialogs = nullptr;
    const std::vector<std::string>* webAddresses = nullptr;
};

class ProgramWalk {
public:
    explicit ProgramWalk(WalkEnvironment environment);
    ~ProgramWalk();

    // Every link of every page file below the page folder, each on the freshly loaded page (the
    // main page shown before it, so that "back" has somewhere to go). Links that end the program are left
    // out.
    std::vector<WalkItem> WalkLinks();
    // The window that `openCommand` (page commands) puts in the main window's place, opened anew
    // for each of its enabled menu items and buttons, with `library` loaded first (when given).
    // Items that end the program are left out.
    std::vector<WalkItem> WalkWindow(std::string_view openCommand, const std::string& library);

private:
    struct Snapshot;
    Snapshot Take() const;
    std::string Difference(const Snapshot& before, const Snapshot& after) const;
    // Runs `action`, closing the dialogs it opens and ending the presentations it starts, and lets
    // the program run `settleMs` afterwards.
    static constexpr int kActionSettleMs = 150;
    static constexpr int kPageSettleMs = 20;
    void RunGuarded(const std::function<void()>& action, int settleMs = kActionSettleMs);
    void ShowPage(const std::string& page);

    WalkEnvironment m_environment;
    int m_dialogsClosed = 0;
    std::string m_library; // the library of the window walk under way
    std::vector<std::string> m_closedTitles;
};

} // namespace qor
