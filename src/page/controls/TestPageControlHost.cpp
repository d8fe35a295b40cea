#include "page/controls/TestPageControlHost.h"

#include <algorithm>
#include <cstring>

namespace qor {

TestPageControlHost::TestPageControlHost(int width, int height) : m_screen(width, height) {}

void TestPageControlHost::TakeFocus() {
    ++m_pageFocusCalls;
    m_controls.ClearFocus();
}

void TestPageControlHost::PresentFrame(const TXBitmap& frame) {
    ++m_framesPresented;
    CopyToScreen(frame, PageRect{0, 0, frame.Width(), frame.Height()}, 0, 0);
    ProcessMessages();
    Advance(kFrameMs);
}

void TestPageControlHost::ShowTooltip(std::string_view text, ScreenPoint position, int maxWidth) {
    m_tooltip = Tooltip{std::string(text), position, maxWidth};
    ++m_tooltipsShown;
}

void TestPageControlHost::ShowAnchorLabel(const AnchorLabel& label) {
    m_label = label;
    ++m_labelsShown;
}

bool TestPageControlHost::ShowPopupMenu(ScreenPoint position) {
    if (!m_hasPopupMenu) {
        return false;
    }
    m_popupMenus.push_back(position);
    return true;
}

int TestPageControlHost::StartTimer(int ms, std::function<void()> call) {
    const int id = m_nextTimer++;
    const int interval = std::max(1, ms);
    m_timers[id] = Timer{interval, m_controls.Now() + interval, std::move(call)};
    return id;
}

void TestPageControlHost::ShowTextInput(const PageTextInput* input, int scroll) {
    if (input == nullptr) {
        m_textInput.reset();
        return;
    }
    m_textInput = *input;
    m_textInputScroll = scroll;
}

bool TestPageControlHost::OpenUrl(std::string_view url) {
    m_urls.emplace_back(url);
    return m_openUrlResult;
}

void TestPageControlHost::CopyToScreen(const TXBitmap& buffer, const PageRect& source, int x, int y) {
    ++m_screenCopies;
    // Clip the source to the buffer, then the target to the screen, moving the other side along.
    int left = std::max(source.left, 0);
    int top = std::max(source.top, 0);
    const int right = std::min(source.right, buffer.Width());
    const int bottom = std::min(source.bottom, buffer.Height());
    int toX = x + (left - source.left);
    int toY = y + (top - source.top);
    if (toX < 0) {
        left -= toX;
        toX = 0;
    }
    if (toY < 0) {
        top -= toY;
        toY = 0;
    }
    const int width = std::min(right - left, m_screen.Width() - toX);
    const int height = std::min(bottom - top, m_screen.Height() - toY);
    for (int row = 0; row < height; ++row) {
        std::memcpy(m_screen.Row(toY + row) + static_cast<std::size_t>(toX) * 3,
                    buffer.Row(top + row) + static_cast<std::size_t>(left) * 3,
                    static_cast<std::size_t>(std::max(0, width)) * 3);
    }
}

void TestPageControlHost::PlaceScrollBar(int x, int, int, int height) {
    // The bar stands on the right edge: the client area reaches up to its right side.
    const int width = x + 16;
    if (width > 0 && height > 0 && (width != m_screen.Width() || height != m_screen.Height())) {
        m_screen.Resize(width, height);
    }
}

void TestPageControlHost::Advance(int ms) {
    const long long end = m_controls.Now() + std::max(0, ms);
    for (;;) {
        // The earliest page timer that falls due (the lowest id on equal times); a timer stopped or
        // restarted by a call is looked up afresh every round.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due)) {
                next = it;
            }
        }
        if (next == m_timers.end()) {
            break;
        }
        // The controls' timers up to that moment fire first; they may stop page timers too.
        const int id = next->first;
        m_controls.Advance(static_cast<int>(next->second.due - m_controls.Now()));
        const auto found = m_timers.find(id);
        if (found == m_timers.end()) {
            continue;
        }
        found->second.due += found->second.interval;
        const std::function<void()> call = found->second.call; // the call may stop its own timer
        call();
    }
    m_controls.Advance(static_cast<int>(end - m_controls.Now()));
}

int TestPageControlHost::RunDeferred() {
    int ran = 0;
    while (!m_deferred.empty()) {
        std::function<void()> call = std::move(m_deferred.front());
        m_deferred.erase(m_deferred.begin());
        call();
        ++ran;
    }
    return ran;
}

} // namespace qor
