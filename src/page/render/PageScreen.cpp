#include "page/render/PageScreen.h"

#include "page/render/PageLayout.h"

#include <algorithm>

namespace qor {

ScrollBarState PageScroller::StateFor(int position, int controlHeight, int documentHeight) {
    ScrollBarState state;
    state.position = position;
    if (controlHeight < documentHeight || position != 0) {
        state.visible = true;
        state.enabled = true;
        state.maximum = std::max(0, documentHeight - controlHeight + kScrollBarWidth);
        state.smallStep = kSmallStep;
        state.largeStep = std::max(1, controlHeight - kScrollBarWidth);
    }
    return state;
}

void PageScroller::Resize(int controlWidth, int controlHeight) {
    m_controlWidth = controlWidth;
    m_controlHeight = controlHeight;
    m_screen.PlaceScrollBar(controlWidth - kScrollBarWidth, 0, kScrollBarWidth, controlHeight);
}

int PageScroller::SetPosition(int position, int documentHeight) {
    m_state = StateFor(position, m_controlHeight, documentHeight);
    m_screen.SetScrollBar(m_state);
    const int moved = position - m_offset;
    m_offset = position;
    return moved;
}

int PageScroller::VisibleWidth() const {
    return m_state.visible ? m_controlWidth - kScrollBarWidth - 1 : m_controlWidth;
}

void PageScroller::Show(const TXBitmap& buffer) {
    m_screen.CopyToScreen(buffer, PageRect{0, m_offset, VisibleWidth(), m_offset + m_controlHeight}, 0, 0);
}

} // namespace qor
