#pragma once
// The screen side of the page: the window a page buffer is copied into, and its vertical scroll
// bar. The page control implements PageScreen on the toolkit; PageScroller keeps the rules of
// scrolling and copying.

#include "page/markup/PageRecords.h"
#include "page/render/TXBitmap.h"

namespace qor {

struct ScrollBarState {
    bool visible = false;
    bool enabled = false;
    int minimum = 0;
    int maximum = 0;
    int smallStep = 5;
    int largeStep = 0;
    int position = 0;
    bool operator==(const ScrollBarState&) const = default;
};

class PageScreen {
public:
    virtual ~PageScreen() = default;
    // Copies `source` (a rectangle of the buffer, right and bottom exclusive) to (x, y) of the window.
    virtual void CopyToScreen(const TXBitmap& buffer, const PageRect& source, int x, int y) = 0;
    virtual void SetScrollBar(const ScrollBarState& state) = 0;
    virtual void PlaceScrollBar(int x, int y, int width, int height) = 0;
};

class PageScroller {
public:
    static constexpr int kSmallStep = 5;

    explicit PageScroller(PageScreen& screen) : m_screen(screen) {}

    // A size change places the scroll bar on the right edge; the page is not laid out again.
    void Resize(int controlWidth, int controlHeight);
    // Sets the scroll position for a document of `documentHeight`; returns how far the offset
    // moved (the page moves its buttons by it).
    int SetPosition(int position, int documentHeight);
    // Copies the visible window of the buffer to the screen.
    void Show(const TXBitmap& buffer);

    // The bar for position p: shown when the control is lower than the document or p is not 0.
    static ScrollBarState StateFor(int position, int controlHeight, int documentHeight);

    int Offset() const { return m_offset; }
    const ScrollBarState& State() const { return m_state; }
    // The control width, or less the bar (and one pixel) while the bar shows.
    int VisibleWidth() const;

private:
    PageScreen& m_screen;
    int m_controlWidth = 800;
    int m_controlHeight = 572;
    int m_offset = 0;
    ScrollBarState m_state;
};

} // namespace qor
