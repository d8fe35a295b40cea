#include "page/controls/TestControlHost.h"

#include "page/controls/TXControl.h"

#include <algorithm>

namespace qor {

int TestControlHost::StartTimer(TXControl& control, int intervalMs) {
    const int id = m_nextId++;
    const int interval = std::max(1, intervalMs);
    m_timers[id] = Timer{&control, interval, m_now + interval};
    return id;
}

void TestControlHost::StopTimer(int id) {
    m_timers.erase(id);
}

void TestControlHost::RequestRepaint(TXControl& control) {
    m_repaints.push_back(&control);
}

int TestControlHost::ShowContextMenu(TXControl& control, const std::vector<std::string>& items, int x,
                                     int y) {
    m_menus.push_back({&control, items, x, y});
    if (m_menuAnswers.empty())
        return -1;
    const int answer = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    return answer < static_cast<int>(items.size()) ? answer : -1;
}

void TestControlHost::SetFocus(TXControl& control) {
    if (m_focused == &control)
        return;
    TXControl* previous = m_focused;
    m_focused = &control;
    if (previous)
        previous->FocusLost();
    control.FocusGained();
}

void TestControlHost::ClearFocus() {
    TXControl* previous = m_focused;
    m_focused = nullptr;
    if (previous)
        previous->FocusLost();
}

void TestControlHost::ControlDestroyed(TXControl& control) {
    std::erase_if(m_timers, [&](const auto& entry) { return entry.second.control == &control; });
    std::erase(m_repaints, &control);
    if (m_focused == &control)
        m_focused = nullptr;
}

void TestControlHost::Advance(int ms) {
    const long long end = m_now + std::max(0, ms);
    for (;;) {
        // The earliest due timer (the lowest id on equal times); a timer stopped or restarted by
        // a callback is looked up afresh every round.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
            if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        if (next == m_timers.end())
            break;
        m_now = next->second.due;
        next->second.due += next->second.interval;
        const int id = next->first;
        next->second.control->OnTimer(id);
    }
    m_now = end;
}

int TestControlHost::RepaintCount(const TXControl& control) const {
    return static_cast<int>(std::count(m_repaints.begin(), m_repaints.end(), &control));
}

} // namespace qor
