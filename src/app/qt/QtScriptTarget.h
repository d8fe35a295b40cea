#pragma once
// The script driver's hands on the real windows: clicks, moves, drags and keys are sent to the page
// widget as Qt events, so they take the same path as the learner's; waiting runs the event loop.

#include "app/ScriptDriver.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qor {

class ProgramWalk;
class TXMultipleChoice;
class TXPage;

class QtScriptTarget : public ScriptTarget {
public:
    // `currentPage` gives the main window's page shown now (nullptr while a tool window stands in
    // its place); `pageRoot` is the page folder that page names are reported relative to (…/hqor/).
    QtScriptTarget(std::function<TXPage*()> currentPage, std::string pageRoot);
    ~QtScriptTarget() override;

    bool ClickLink(std::string_view text) override;
    void Click(int x, int y, MouseButton button) override;
    void Move(int x, int y) override;
    void Drag(int x1, int y1, int x2, int y2) override;
    void Type(std::string_view text) override;
    void Key(int virtualKey) override;
    bool ClickGap(int number) override;
    bool DragBlock(std::string_view word) override;
    bool BuildSentence(int number) override;
    bool Choose(std::string_view text) override;
    bool ChooseRight() override;
    bool AnswerGap(int number) override;
    bool AnswerQuestion(Answer answer) override;
    void Command(std::string_view text) override;
    bool Press(std::string_view text) override;
    void Wait(int milliseconds) override;
    void Later(int milliseconds, std::function<void()> action) override;
    std::vector<std::string> TakeShownPages() override;
    bool SelectItem(std::string_view widget, std::string_view item) override;
    bool SetChecked(std::string_view widget, bool checked) override;
    bool SetSliderValue(std::string_view widget, int value) override;
    std::optional<std::string> WidgetText(std::string_view widget) const override;
    // The walks need the program's windows; without a walk set they cannot run.
    void SetWalk(ProgramWalk* walk) { m_walk = walk; }
    std::optional<std::vector<WalkItem>> WalkLinks() override;
    std::optional<std::vector<WalkItem>> WalkWindow(std::string_view command,
                                                    const std::string& library) override;

    std::string CurrentPage() const override;
    std::string PageTitle() const override;
    std::optional<std::string> Macro(std::string_view name) const override;
    bool Condition(std::string_view name) const override;
    std::string TakeFeedback() override;
    std::optional<std::string> FocusedText() const override;
    bool Screenshot(const std::string& path) override;

private:
    void SendKey(int qtKey, const QString& text);
    // The widget of that object name in the windows in front, the first found.
    QWidget* NamedWidget(std::string_view name) const;
    // Press at (x1, y1), the moves, release at (x2, y2); document coordinates are turned into
    // client coordinates (the page is scrolled first when the start is out of view).
    void DragInDocument(int x1, int y1, int x2, int y2, int steps);
    void Settle(); // lets the events that an action caused run
    // Clicks the first multiple-choice cell that `wanted` accepts; false when none does.
    bool ClickCell(const std::function<bool(const TXMultipleChoice&, int)>& wanted);

    TXPage& PageWidget() const;
    // An open dialog, or else the windows shown (the tool window in the main window's place).
    std::vector<QWidget*> FrontWindows() const;

    std::function<TXPage*()> m_currentPage;
    mutable std::unique_ptr<TXPage> m_noPage;
    mutable TXPage* m_watchedPage = nullptr;
    std::string m_pageRoot;
    mutable std::vector<std::string> m_shownPages;
    ProgramWalk* m_walk = nullptr;
};

} // namespace qor
