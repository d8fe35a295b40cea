#pragma once
// Timers on the user-interface thread for the objects that poll while they run (the program-wide
// recorder of the recording settings).

#include "page/render/IntervalTimer.h"

#include <map>

class QTimer;

namespace qor {

class QtIntervalTimer : public IntervalTimer {
public:
    QtIntervalTimer() = default;
    ~QtIntervalTimer() override;
    QtIntervalTimer(const QtIntervalTimer&) = delete;
    QtIntervalTimer& operator=(const QtIntervalTimer&) = delete;

    int Start(int intervalMs, std::function<void()> tick) override;
    // May be called from the timer's own tick.
    void Stop(int id) override;

private:
    std::map<int, QTimer*> m_timers;
    int m_nextId = 1;
};

} // namespace qor
