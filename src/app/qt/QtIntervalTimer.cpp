#include "app/qt/QtIntervalTimer.h"

#include <QTimer>

namespace qor {

QtIntervalTimer::~QtIntervalTimer() {
    for (auto& [id, timer] : m_timers)
        delete timer;
}

int QtIntervalTimer::Start(int intervalMs, std::function<void()> tick) {
    const int id = m_nextId++;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
    timer->start(intervalMs);
    m_timers[id] = timer;
    return id;
}

void QtIntervalTimer::Stop(int id) {
    auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    found->second->stop();
    // The tick that asks to stop may still be running inside this timer.
    found->second->deleteLater();
    m_timers.erase(found);
}

} // namespace qor
