#pragma once
// The script driver: a small language of learner actions and checks, one per line, that drives the
// trainer headless (`qor --script FILE`). The language is documented in docs/script.md. The driver
// reads the script and checks the expectations; a ScriptTarget carries the actions out on the real
// windows (or on a fake in tests).

#include "page/controls/ControlEvents.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class ScriptedFileChooser;
class ScriptedMessagePresenter;
class ScriptedUserDialogs;

// One thing a learner can click, met on a walk, and what it did (UTF-8).
struct WalkItem {
    std::string where;  // the page ("kurs/lektion01.htx") or the window's title
    std::string what;   // the link's name, or the menu item's or button's caption
    std::string effect; // what it did ("Seite kurs/a.htx", "Meldung", ...); empty: nothing
};

// One line per item, "where<TAB>what<TAB>effect", "NICHTS" for an item without effect.
std::string WalkReport(const std::vector<WalkItem>& items);

// What a script can do to the program and ask it. Texts are Windows-1252.
class ScriptTarget {
public:
    virtual ~ScriptTarget() = default;

    // Clicks (press and release, left button) the first link whose shown text or target equals
    // `text`; false when the page has none.
    virtual bool ClickLink(std::string_view text) = 0;
    // Client coordinates of the page.
    virtual void Click(int x, int y, MouseButton button) = 0;
    virtual void Move(int x, int y) = 0;
    virtual void Drag(int x1, int y1, int x2, int y2) = 0;
    // Types characters into whatever has the keyboard focus.
    virtual void Type(std::string_view text) = 0;
    // A Windows virtual-key code.
    virtual void Key(int virtualKey) = 0;
    // Exercises, found by what they hold rather than where they were placed:
    // clicks into the gap edit `number` (1 is the first of the page); false when there is none.
    virtual bool ClickGap(int number) = 0;
    // Drags the first block showing `word` onto the first gap still waiting for that word.
    virtual bool DragBlock(std::string_view word) = 0;
    // Puts the parts of sentence task `number` (1 is the first) into the written order by dragging.
    virtual bool BuildSentence(int number) = 0;
    // Clicks the multiple-choice cell whose caption is `text`.
    virtual bool Choose(std::string_view text) = 0;
    // The right answer, whatever the page shows (for exercise series in random order): clicks the
    // multiple-choice cell holding the solution / types gap `number`'s first solution into it and
    // presses Enter.
    virtual bool ChooseRight() = 0;
    virtual bool AnswerGap(int number) = 0;
    // Answers the question shown, whatever its form (questions drawn at random): the first open
    // gap, the multiple-choice cells or the choice links ("§[…+]" right, "§…[…]-" wrong). A wrong
    // gap answer is typed until the gap gives up.
    enum class Answer { Right, Wrong };
    virtual bool AnswerQuestion(Answer answer) = 0;
    // Runs a page command text as a link "§text" would.
    virtual void Command(std::string_view text) = 0;
    // Triggers the menu item or clicks the button captioned `text` (without its "&" marks) in the
    // window in front: an open dialog first, then the tool window standing in the main window's
    // place. A dialog that this opens keeps the script waiting in the step; false when none matches.
    virtual bool Press(std::string_view text) = 0;
    // Lets the program run (timers, animations) for `milliseconds`.
    virtual void Wait(int milliseconds) = 0;
    // Calls `action` once `milliseconds` have passed, from whatever loop the program runs then (a
    // presentation that a command started keeps the script waiting in that command).
    virtual void Later(int milliseconds, std::function<void()> action) = 0;
    // Widgets of the window in front (an open dialog first), found by their object names
    // ("cModus", "TrackMultiple"); false when there is none of that name and kind.
    // Selects the item shown as `item`, or the n-th for "#n", in a list or selection box.
    virtual bool SelectItem(std::string_view /*widget*/, std::string_view /*item*/) { return false; }
    virtual bool SetChecked(std::string_view /*widget*/, bool /*checked*/) { return false; }
    virtual bool SetSliderValue(std::string_view /*widget*/, int /*value*/) { return false; }
    // What the widget shows: a label's or field's text, a box's current item, a list's selected line.
    virtual std::optional<std::string> WidgetText(std::string_view /*widget*/) const { return std::nullopt; }
    // The walks: every link of every page below the page folder; every menu item and button of the
    // window that the page commands `command` open, with the library read from `library` (a
    // program path; empty: as it is) before each. Nothing when this target cannot walk.
    virtual std::optional<std::vector<WalkItem>> WalkLinks() { return std::nullopt; }
    virtual std::optional<std::vector<WalkItem>> WalkWindow(std::string_view /*command*/,
                                                            const std::string& /*library*/) {
        return std::nullopt;
    }
    // The pages shown since the last call, in order, as CurrentPage names them; also those that a
    // step showed and left again.
    virtual std::vector<std::string> TakeShownPages() { return {}; }

    // The page file shown, relative to the page folder ("kurs/lektion01.htx"); empty when none.
    virtual std::string CurrentPage() const = 0;
    virtual std::string PageTitle() const = 0;
    virtual std::optional<std::string> Macro(std::string_view name) const = 0;
    virtual bool Condition(std::string_view name) const = 0;
    // The text of the last feedback animation ("Unglaublich!", "Oh nein!!!") since the previous
    // call; empty when none ran since.
    virtual std::string TakeFeedback() = 0;
    // The text of the focused gap edit or text input, if any has the focus.
    virtual std::optional<std::string> FocusedText() const = 0;
    virtual bool Screenshot(const std::string& path) = 0;
};

struct ScriptStep {
    int line = 0;
    std::string verb;              // "click", "expect-page", …
    std::vector<std::string> args; // UTF-8 as written; the text arguments keep their blanks
};

struct ScriptResult {
    bool ok = true;
    std::string failure; // "script.txt:12: expect-page kurs/a.htx: the page is main.htx" (UTF-8)
    int stepsRun = 0;
};

// Reads a script: one step per line; blank lines and lines beginning with "#" are skipped. A line
// that is not a known step with the right arguments makes the whole script fail before anything runs.
bool ParseScript(std::string_view text, std::vector<ScriptStep>& steps, std::string& error);

// The Windows virtual-key code of a key name ("Return", "Tab", "F1", "Down", "a" …), or 0.
int VirtualKeyFromName(std::string_view name);

// The answer of an answer-dialog step (UTF-8): "Cancel", or the fields separated by blanks ("\"\""
// stands for an empty field).
std::optional<std::vector<std::string>> DialogAnswer(std::string_view text);
// Queues the answers of the answer-dialog steps that open the script, before anything else runs:
// they answer the log-in at the program's start. Returns how many steps they were.
std::size_t TakeLeadingDialogAnswers(const std::vector<ScriptStep>& steps, ScriptedUserDialogs& dialogs);

class ScriptRunner {
public:
    // `messages` is the presenter every message box of the program goes to during the run.
    ScriptRunner(ScriptTarget& target, ScriptedMessagePresenter& messages, std::string scriptName = "script");

    // The log-in dialogs of the run, for answer-dialog and expect-dialog (none: those steps fail).
    void SetUserDialogs(ScriptedUserDialogs* dialogs) { m_dialogs = dialogs; }
    // The file dialogs of the run, for answer-file and expect-file-dialog (none: those steps fail).
    void SetFileChooser(ScriptedFileChooser* files) { m_files = files; }

    // Runs the steps in order and stops at the first failed expectation or action.
    ScriptResult Run(const std::vector<ScriptStep>& steps);

private:
    bool RunStep(const ScriptStep& step, std::string& why);
    bool ExpectMessage(std::string_view text, std::string& why);
    bool ExpectDialog(std::string_view name, std::string& why);
    bool ExpectFileDialog(std::string_view proposedName, std::string& why);
    // Whether `what` is named by a walk-context step (its text, or a text ending in "*" as a prefix).
    bool InWalkContext(const std::string& what) const;
    // Writes the report of a walk and fails naming the items that did nothing.
    bool WalkFinished(const std::vector<WalkItem>& items, const std::string& reportFile, std::string& why);

    ScriptTarget& m_target;
    ScriptedMessagePresenter& m_messages;
    std::string m_scriptName;
    std::size_t m_messagesSeen = 0; // messages already matched by expect-message
    void NoteVisitedPages();

    ScriptedUserDialogs* m_dialogs = nullptr;
    std::string m_laterFailure;    // a failed "after" step, reported after the step it ran in
    std::size_t m_dialogsSeen = 0; // dialogs already matched by expect-dialog
    ScriptedFileChooser* m_files = nullptr;
    std::size_t m_fileDialogsSeen = 0; // file dialogs already matched by expect-file-dialog
    std::set<std::string> m_visited;   // the pages shown after each step, "/" for folders, lower case
    std::string m_walkLibrary;         // the library of the window walks (program path)
    // The links and items (UTF-8) that act only in a situation a walk does not create (a running
    // query or presentation, a selected text): doing nothing there is no fault.
    std::set<std::string> m_walkContext;
};

} // namespace qor
