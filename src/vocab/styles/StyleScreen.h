#pragma once
// What the presentation styles need of the main window: its page surface to draw on, the page
// control for the pages around them, and the message loop with its clock. The styles run loops on
// the user-interface thread, so every wait goes through here and keeps the window alive; tests give
// a fake with a virtual clock, which makes a whole game round run instantly.

#include "page/render/TXBitmap.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// [left, right) × [top, bottom) in page pixels.
struct StyleRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const StyleRect&) const = default;
};

class StyleScreen {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 572;

    virtual ~StyleScreen() = default;

    // The page control's off-screen picture (800 × 572); Present copies it to the window.
    virtual TXBitmap& Surface() = 0;
    virtual void Present() = 0;

    // Loads a page relative to the page folder ("start.htx", "..\vokabeln.htx") and paints it
    // into the surface.
    virtual void LoadPage(std::string_view name) = 0;
    // Paints the current page into the surface again, over whatever a style drew.
    virtual void RedrawPage() = 0;
    // The page folder as a program path ending with a separator.
    virtual std::string PageFolder() const = 0;
    virtual void SetPageFolder(std::string_view folder) = 0;
    // The current page's destination rectangle (BOX DEST; the whole page when it names none).
    virtual StyleRect TextArea() const = 0;
    // The current page's text colour.
    virtual Colour PageTextColour() const = 0;

    // Handles the window messages waiting now (clicks, "stop"), then returns.
    virtual void ProcessMessages() = 0;
    virtual std::int64_t Milliseconds() = 0;
    // Sleeps about `milliseconds` without processing messages.
    virtual void Wait(int milliseconds) = 0;
};

// Waits `milliseconds` in small slices, processing messages, until the time is over or `done`
// says so; true when `done` ended it.
template <class Done> bool WaitProcessing(StyleScreen& screen, int milliseconds, Done done) {
    const std::int64_t end = screen.Milliseconds() + milliseconds;
    while (true) {
        screen.ProcessMessages();
        if (done())
            return true;
        const std::int64_t left = end - screen.Milliseconds();
        if (left <= 0)
            return false;
        screen.Wait(static_cast<int>(left < 10 ? left : 10));
    }
}

} // namespace qor
