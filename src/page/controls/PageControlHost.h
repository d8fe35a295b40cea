#pragma once
// Everything the page control needs from the toolkit it lives in: the screen and scroll bar, the
// child controls' host, cursors, the tooltip and the anchor label windows, the popup menu, timers,
// deferred calls, the keyboard focus, the text input field and a few shell services. The Qt page
// widget implements it; TestPageControlHost records every call on a virtual clock.
//
// Coordinates are client coordinates of the page control unless a name says "screen".

#include "page/markup/PageRecords.h"
#include "page/render/PageScreen.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class ControlHost;
class TXControl;

enum class PageCursor { Default, Hand, Drag, HourGlass };

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The floating note of a hot spot, laid out by the page: the text broken into lines, and the
// note's place and size in client coordinates (frame and padding included).
struct AnchorLabel {
    static constexpr Colour kBackground = 0x00E0FFFF; // light yellow
    static constexpr Colour kFrame = 0;
    static constexpr int kPadding = 8;
    static constexpr int kWrapWidth = 200;

    std::string text;
    std::vector<std::string> lines;
    int lineHeight = 0;
    PageRect rect; // right and bottom exclusive
};

class PageControlHost {
public:
    virtual ~PageControlHost() = default;

    // The host of the page's own controls (gap edits, buttons, the multiple-choice grid). The
    // controls stand in document coordinates: the widget draws them moved up by the scroll offset.
    virtual ControlHost& Controls() = 0;
    // The control that holds the keyboard focus among them; nullptr while the page itself has it.
    virtual TXControl* FocusedControl() const = 0;
    // The page itself takes the keyboard focus (a child control that had it loses it).
    virtual void TakeFocus() = 0;
    // Whether the window around the page is showing (a gap edit takes the focus only then).
    virtual bool ParentVisible() const = 0;
    // BODY FORM: the window around the page takes the page's background colour.
    virtual void SetParentColour(std::int32_t /*colour*/) {}

    virtual PageScreen& Screen() = 0;
    // Shows one frame of an animation on the whole client area and lets pending messages run.
    virtual void PresentFrame(const TXBitmap& frame) = 0;
    // What the screen shows now appears at once and stays for `milliseconds`, no events handled
    // meanwhile: one frame of an animation drawn on the screen itself.
    virtual void HoldFrame(int milliseconds) = 0;

    virtual void SetCursor(PageCursor cursor) = 0;
    virtual void ShowTooltip(std::string_view text, ScreenPoint position, int maxWidth) = 0;
    virtual void HideTooltip() = 0;
    virtual void ShowAnchorLabel(const AnchorLabel& label) = 0;
    virtual void HideAnchorLabel() = 0;
    // Opens the page's popup menu; false when the page has none.
    virtual bool ShowPopupMenu(ScreenPoint position) = 0;
    virtual ScreenPoint ClientToScreen(int x, int y) const = 0;

    // A repeating timer that calls `call` every `ms` milliseconds until StopTimer; ids are above 0.
    virtual int StartTimer(int ms, std::function<void()> call) = 0;
    virtual void StopTimer(int id) = 0;
    // Runs `call` once the current event has been handled.
    virtual void PostDeferred(std::function<void()> call) = 0;
    virtual void ProcessMessages() = 0;
    virtual long long NowMs() const = 0;

    // The INPUT field as a real line edit of the toolkit, placed at the field's page position moved
    // up by `scroll`, holding the keyboard focus; nullptr hides it. The widget reports changes
    // and Enter back through PageControl::TextInputChanged and TextInputReturn.
    virtual void ShowTextInput(const PageTextInput* input, int scroll) = 0;
    // A child page (HTMLChild) hides itself when the learner clicks beside its links.
    virtual void HidePage() = 0;

    // Opens a web address with the system's default handler; false when that failed.
    virtual bool OpenUrl(std::string_view url) = 0;
    // Plays a sound file (a program path) and returns when it has ended.
    virtual void PlaySoundSync(std::string_view path) = 0;
    virtual void EndApplication() = 0;
};

} // namespace qor
