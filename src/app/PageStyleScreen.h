#pragma once
// The presentation styles' screen on the main window's page control: they draw into its page
// buffer, which the page's scroller shows, and load their pages through it. Waiting and the clock
// are given from outside, so that tests run a whole game on a virtual clock.

#include "vocab/styles/StyleScreen.h"

#include <cstdint>
#include <functional>

namespace qor {

class PageControl;

struct StyleClock {
    std::function<std::int64_t()> now; // milliseconds, monotonic
    std::function<void(int)> sleep;    // milliseconds, without processing messages
};

// The steady clock of the machine and a real sleep.
StyleClock SystemStyleClock();

class PageStyleScreen : public StyleScreen {
public:
    PageStyleScreen(PageControl& page, std::function<void()> processMessages,
                    StyleClock clock = SystemStyleClock());

    TXBitmap& Surface() override;
    void Present() override;
    void LoadPage(std::string_view name) override;
    void RedrawPage() override;
    std::string PageFolder() const override;
    void SetPageFolder(std::string_view folder) override;
    StyleRect TextArea() const override;
    Colour PageTextColour() const override;
    void ProcessMessages() override;
    std::int64_t Milliseconds() override { return m_clock.now(); }
    void Wait(int milliseconds) override;

private:
    PageControl& m_page;
    std::function<void()> m_processMessages;
    StyleClock m_clock;
};

} // namespace qor
