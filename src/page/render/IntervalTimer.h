#pragma once
// A repeating timer for the painter's own animations (the picture slide box). The page control
// implements it with a window timer; tests step it by hand.

#include <functional>

namespace qor {

class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    // Calls `tick` every `intervalMs` milliseconds until Stop(id); returns an id above 0.
    virtual int Start(int intervalMs, std::function<void()> tick) = 0;
    virtual void Stop(int id) = 0;
};

} // namespace qor
