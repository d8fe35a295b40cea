#pragma once
// The base of the page's own controls: a rectangle on its parent, visibility, the enabled state
// and the input entry points that the host calls. Coordinates of input events are relative to
// the control; Paint draws the control onto the parent's canvas at (Left, Top).

#include "page/controls/ControlEvents.h"
#include "page/controls/ControlHost.h"

namespace qor {

class TXCanvas;

class TXControl {
public:
    explicit TXControl(ControlHost& host) : m_host(host) {}
    virtual ~TXControl();
    TXControl(const TXControl&) = delete;
    TXControl& operator=(const TXControl&) = delete;

    ControlHost& Host() const { return m_host; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // Whether the control takes the keyboard focus (the gap edit does, the windowless ones do not).
    virtual bool Focusable() const { return false; }
    bool Focused() const { return m_focused; }

    // Draws the control onto `canvas` (the parent's surface) at (Left, Top); nothing when hidden.
    virtual void Paint(TXCanvas& canvas) = 0;

    // Input entry points, called by the host.
    virtual void MouseDown(const MouseEvent& /*event*/) {}
    virtual void MouseMove(const MouseEvent& /*event*/) {}
    virtual void MouseUp(const MouseEvent& /*event*/) {}
    virtual void MouseLeave() {}
    virtual void KeyDown(KeyEvent& /*event*/) {}
    virtual void KeyPress(char& /*character*/) {}
    // A right-click or the menu key: (x, y) in control coordinates.
    virtual void ContextMenu(int /*x*/, int /*y*/) {}
    virtual void OnTimer(int /*id*/) {}

    // Called by the host's SetFocus; they keep Focused() and then call FocusChanged.
    void FocusGained();
    void FocusLost();

protected:
    virtual void FocusChanged() {}
    virtual void BoundsChanged() {}
    void RequestRepaint() { m_host.RequestRepaint(*this); }

private:
    ControlHost& m_host;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_focused = false;
};

} // namespace qor
