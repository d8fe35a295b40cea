#include "app/PageStyleScreen.h"

#include "page/controls/PageControl.h"

#include <chrono>
#include <thread>

namespace qor {

StyleClock SystemStyleClock() {
    StyleClock clock;
    clock.now = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
    clock.sleep = [](int milliseconds) {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    };
    return clock;
}

PageStyleScreen::PageStyleScreen(PageControl& page, std::function<void()> processMessages, StyleClock clock)
    : m_page(page), m_processMessages(std::move(processMessages)), m_clock(std::move(clock)) {}

TXBitmap& PageStyleScreen::Surface() {
    return m_page.Painter().Buffer();
}

void PageStyleScreen::Present() {
    m_page.Scroller().Show(m_page.Painter().Buffer());
}

void PageStyleScreen::LoadPage(std::string_view name) {
    // Loading renders the page into the buffer and shows it.
    m_page.SetXFile(name);
}

void PageStyleScreen::RedrawPage() {
    m_page.Painter().Render(PaintSettings{m_page.Width(), m_page.Height()});
}

std::string PageStyleScreen::PageFolder() const {
    return m_page.XPath();
}

void PageStyleScreen::SetPageFolder(std::string_view folder) {
    m_page.SetXPath(folder);
}

StyleRect PageStyleScreen::TextArea() const {
    const PageRect& area = m_page.Document().destination;
    return StyleRect{area.left, area.top, area.right, area.bottom};
}

Colour PageStyleScreen::PageTextColour() const {
    return m_page.ColorTXT();
}

void PageStyleScreen::ProcessMessages() {
    if (m_processMessages)
        m_processMessages();
}

void PageStyleScreen::Wait(int milliseconds) {
    m_clock.sleep(milliseconds);
}

} // namespace qor
