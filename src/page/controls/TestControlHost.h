#pragma once
// A ControlHost for tests and headless runs: a virtual clock whose Advance fires the timers that
// fall due, a record of repaint requests, scripted context-menu answers and a focus owner.

#include "page/controls/ControlHost.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace qor {

class TestControlHost : public ControlHost {
public:
    struct ShownMenu {
        TXControl* control = nullptr;
        std::vector<std::string> items;
        int x = 0;
        int y = 0;
    };

    int StartTimer(TXControl& control, int intervalMs) override;
    void StopTimer(int id) override;
    void RequestRepaint(TXControl& control) override;
    void ProcessMessages() override { ++m_processMessagesCalls; }
    int ShowContextMenu(TXControl& control, const std::vector<std::string>& items, int x, int y) override;
    void SetFocus(TXControl& control) override;
    void ControlDestroyed(TXControl& control) override;

    // Moves the clock on by `ms`, firing every timer that falls due, in time order.
    void Advance(int ms);
    long long Now() const { return m_now; }
    int ActiveTimers() const { return static_cast<int>(m_timers.size()); }
    bool TimerActive(int id) const { return m_timers.count(id) != 0; }

    // Repaint requests in order (a control may appear several times).
    const std::vector<TXControl*>& Repaints() const { return m_repaints; }
    int RepaintCount(const TXControl& control) const;
    void ClearRepaints() { m_repaints.clear(); }

    // The next context menu returns `index` (-1: closed); unscripted menus return -1.
    void AnswerNextMenu(int index) { m_menuAnswers.push_back(index); }
    const std::vector<ShownMenu>& MenusShown() const { return m_menus; }

    TXControl* FocusedControl() const { return m_focused; }
    // The focus leaves the controls (the window around them takes it): the owner gets FocusLost.
    void ClearFocus();
    int ProcessMessagesCalls() const { return m_processMessagesCalls; }

private:
    struct Timer {
        TXControl* control = nullptr;
        int interval = 0;
        long long due = 0;
    };

    long long m_now = 0;
    int m_nextId = 1;
    std::map<int, Timer> m_timers;
    std::vector<TXControl*> m_repaints;
    std::deque<int> m_menuAnswers;
    std::vector<ShownMenu> m_menus;
    TXControl* m_focused = nullptr;
    int m_processMessagesCalls = 0;
};

} // namespace qor
