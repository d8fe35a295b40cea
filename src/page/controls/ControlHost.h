#pragma once
// What a page control needs from its surroundings: timers, repaints, pending messages, a context
// menu and the keyboard focus. The page (or a tool window) implements it on the toolkit;
// TestControlHost implements it with a virtual clock for tests and headless runs.

#include <string>
#include <vector>

namespace qor {

class TXControl;

class ControlHost {
public:
    virtual ~ControlHost() = default;

    // Starts a repeating timer for `control`; the host calls control.OnTimer(id) every
    // `intervalMs` milliseconds until StopTimer(id). Ids are positive and unique per host.
    virtual int StartTimer(TXControl& control, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;

    // The control's picture changed: the host paints it again (TXControl::Paint) when it can.
    virtual void RequestRepaint(TXControl& control) = 0;

    // Lets queued input and repaints happen before the control goes on (may do nothing).
    virtual void ProcessMessages() = 0;

    // Shows a context menu of `items` (Windows-1252) at (x, y) in the control's coordinates and
    // returns the index chosen, or -1 when the menu was closed without a choice.
    virtual int ShowContextMenu(TXControl& control, const std::vector<std::string>& items, int x, int y) = 0;

    // Gives `control` the keyboard focus: the one that had it gets FocusLost, then `control`
    // gets FocusGained (nothing happens when it already has the focus).
    virtual void SetFocus(TXControl& control) = 0;

    // Called by a control's destructor: the host forgets its timers, focus and pending repaints.
    virtual void ControlDestroyed(TXControl& control) = 0;
};

} // namespace qor
