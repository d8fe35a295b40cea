#pragma once
// A PageControlHost for tests and headless tools: one virtual clock for the page's timers and its
// child controls' timers (TestControlHost), a screen bitmap that receives every copy, and a record
// of cursors, tooltips, the anchor label, menus, deferred calls, opened addresses, sounds and ends.

#include "page/controls/PageControlHost.h"
#include "page/controls/TestControlHost.h"
#include "page/render/TXBitmap.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qor {

class TestPageControlHost : public PageControlHost, public PageScreen {
public:
    // Every animation frame takes this long on the virtual clock.
    static constexpr int kFrameMs = 20;

    struct Tooltip {
        std::string text;
        ScreenPoint position;
        int maxWidth = 0;
    };

    explicit TestPageControlHost(int width = 800, int height = 572);

    // [PageControlHost]
    ControlHost& Controls() override { return m_controls; }
    TXControl* FocusedControl() const override { return m_controls.FocusedControl(); }
    void TakeFocus() override;
    bool ParentVisible() const override { return m_parentVisible; }
    void SetParentColour(std::int32_t colour) override { parentColour = colour; }
    std::optional<std::int32_t> parentColour; // the last BODY FORM colour
    PageScreen& Screen() override { return *this; }
    void PresentFrame(const TXBitmap& frame) override;
    // Counted, not waited for: the clock only moves with Advance.
    void HoldFrame(int milliseconds) override {
        ++m_framesHeld;
        m_heldMs += milliseconds;
    }
    void SetCursor(PageCursor cursor) override { m_cursor = cursor; }
    void ShowTooltip(std::string_view text, ScreenPoint position, int maxWidth) override;
    void HideTooltip() override { m_tooltip.reset(); }
    void ShowAnchorLabel(const AnchorLabel& label) override;
    void HideAnchorLabel() override { m_label.reset(); }
    bool ShowPopupMenu(ScreenPoint position) override;
    ScreenPoint ClientToScreen(int x, int y) const override { return {x + m_origin.x, y + m_origin.y}; }
    int StartTimer(int ms, std::function<void()> call) override;
    void StopTimer(int id) override { m_timers.erase(id); }
    void PostDeferred(std::function<void()> call) override { m_deferred.push_back(std::move(call)); }
    void ProcessMessages() override { ++m_processMessagesCalls; }
    long long NowMs() const override { return m_controls.Now(); }
    void ShowTextInput(const PageTextInput* input, int scroll) override;
    void HidePage() override { ++m_hidePageCalls; }
    bool OpenUrl(std::string_view url) override;
    void PlaySoundSync(std::string_view path) override { m_sounds.emplace_back(path); }
    void EndApplication() override { ++m_endCalls; }

    // [PageScreen]
    void CopyToScreen(const TXBitmap& buffer, const PageRect& source, int x, int y) override;
    void SetScrollBar(const ScrollBarState& state) override { m_scrollBar = state; }
    void PlaceScrollBar(int x, int y, int width, int height) override;

    // [The clock] Moves on by `ms`, firing the page's and the controls' timers that fall due, in
    // time order.
    void Advance(int ms);
    TestControlHost& TestControls() { return m_controls; }
    int ActiveTimers() const { return static_cast<int>(m_timers.size()); }
    // Runs the deferred calls, also those they post, until none is left; returns how many ran.
    int RunDeferred();
    int PendingDeferred() const { return static_cast<int>(m_deferred.size()); }

    // [Settings]
    void SetParentVisible(bool visible) { m_parentVisible = visible; }
    void SetOrigin(ScreenPoint origin) { m_origin = origin; } // the client area's place on the screen
    void SetHasPopupMenu(bool has) { m_hasPopupMenu = has; }
    void SetOpenUrlResult(bool result) { m_openUrlResult = result; }

    // [Records]
    const TXBitmap& ScreenImage() const { return m_screen; }
    int ScreenCopies() const { return m_screenCopies; }
    const ScrollBarState& ScrollBar() const { return m_scrollBar; }
    PageCursor Cursor() const { return m_cursor; }
    const std::optional<Tooltip>& CurrentTooltip() const { return m_tooltip; }
    int TooltipsShown() const { return m_tooltipsShown; }
    const std::optional<AnchorLabel>& Label() const { return m_label; }
    int LabelsShown() const { return m_labelsShown; }
    const std::vector<ScreenPoint>& PopupMenus() const { return m_popupMenus; }
    const std::optional<PageTextInput>& TextInput() const { return m_textInput; }
    int TextInputScroll() const { return m_textInputScroll; }
    int PageFocusCalls() const { return m_pageFocusCalls; }
    int HidePageCalls() const { return m_hidePageCalls; }
    int ProcessMessagesCalls() const { return m_processMessagesCalls; }
    int FramesPresented() const { return m_framesPresented; }
    int FramesHeld() const { return m_framesHeld; }
    int HeldMs() const { return m_heldMs; }
    const std::vector<std::string>& OpenedUrls() const { return m_urls; }
    const std::vector<std::string>& SoundsPlayed() const { return m_sounds; }
    int EndCalls() const { return m_endCalls; }

private:
    struct Timer {
        int interval = 0;
        long long due = 0;
        std::function<void()> call;
    };

    TestControlHost m_controls;
    TXBitmap m_screen;
    int m_screenCopies = 0;
    ScrollBarState m_scrollBar;
    PageCursor m_cursor = PageCursor::Default;
    std::optional<Tooltip> m_tooltip;
    int m_tooltipsShown = 0;
    std::optional<AnchorLabel> m_label;
    int m_labelsShown = 0;
    bool m_hasPopupMenu = false;
    std::vector<ScreenPoint> m_popupMenus;
    std::map<int, Timer> m_timers;
    int m_nextTimer = 1;
    std::vector<std::function<void()>> m_deferred;
    std::optional<PageTextInput> m_textInput;
    int m_textInputScroll = 0;
    bool m_parentVisible = true;
    ScreenPoint m_origin;
    int m_pageFocusCalls = 0;
    int m_hidePageCalls = 0;
    int m_processMessagesCalls = 0;
    int m_framesPresented = 0;
    int m_framesHeld = 0;
    int m_heldMs = 0;
    bool m_openUrlResult = true;
    std::vector<std::string> m_urls;
    std::vector<std::string> m_sounds;
    int m_endCalls = 0;
};

} // namespace qor
