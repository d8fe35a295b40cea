#include "page/controls/TXControl.h"

namespace qor {

TXControl::~TXControl() {
    m_host.ControlDestroyed(*this);
}

void TXControl::SetBounds(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = width < 0 ? 0 : width;
    m_height = height < 0 ? 0 : height;
    BoundsChanged();
    RequestRepaint();
}

void TXControl::SetVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    RequestRepaint();
}

void TXControl::SetEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    RequestRepaint();
}

void TXControl::FocusGained() {
    m_focused = true;
    FocusChanged();
}

void TXControl::FocusLost() {
    m_focused = false;
    FocusChanged();
}

} // namespace qor
