#include "page/controls/TXMultipleChoice.h"

#include "page/controls/GridCells.h"
#include "platform/AppMessage.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qor {

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kMinRowsWhenSized = 2;

} // namespace

TXMultipleChoice::TXMultipleChoice(ControlHost& host) : TXControl(host) {
    TXControl::SetBounds(0, 0, m_cellWidth * m_spalten, m_cellHeight * m_zeilen);
}

// [SECTION] Properties

void TXMultipleChoice::Resize() {
    m_cellWidth = std::max(m_cellWidth, kMinCellWidth);
    m_cellHeight = std::max(m_cellHeight, kMinCellHeight);
    m_spalten = std::max(m_spalten, 1);
    m_zeilen = std::max(m_zeilen, kMinRowsWhenSized);
    TXControl::SetBounds(Left(), Top(), m_cellWidth * m_spalten, m_cellHeight * m_zeilen);
}

void TXMultipleChoice::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    m_rightAnswer = 0;
    RequestRepaint();
}

void TXMultipleChoice::SetCellWidth(int width) {
    m_cellWidth = width;
    Resize();
}

void TXMultipleChoice::SetCellHeight(int height) {
    m_cellHeight = height;
    Resize();
}

void TXMultipleChoice::SetSpalten(int columns) {
    m_spalten = columns;
    Resize();
}

void TXMultipleChoice::SetZeilen(int rows) {
    m_zeilen = rows;
    Resize();
}

void TXMultipleChoice::SetHighlight(int cell) {
    m_highlight = cell;
    if (cell != -1 && Visible()) {
        m_hovered = cell;
        RequestRepaint();
    }
}

void TXMultipleChoice::SetFont(const TXFont& font) {
    m_font = font;
    RequestRepaint();
}

int TXMultipleChoice::CellAt(int x, int y) const {
    if (x >= Width() || y >= Height())
        return -1;
    return GridCellAt(x, y, m_cellWidth, m_cellHeight, m_spalten, m_zeilen);
}

std::string TXMultipleChoice::CellCaption(int cell) const {
    return GridCellCaption(m_items, cell, "Antwort ");
}

// [SECTION] Shuffle

int TXMultipleChoice::Shuffle() {
    const int count = static_cast<int>(m_items.size());
    if (m_zeilen * m_spalten != count) {
        ShowAppMessage("Die Anzahl der Items stimmt nicht (Multiple Choice).", kMbOk | kMbIconError);
        return -1;
    }
    if (count < 2)
        return m_rightAnswer; // nothing to exchange
    const int swaps = RandomBelow(count) + 4;
    for (int swap = 0; swap < swaps; ++swap) {
        const int a = RandomBelow(count);
        int b = RandomBelow(count);
        while (b == a)
            b = RandomBelow(count);
        std::swap(m_items[static_cast<std::size_t>(a)], m_items[static_cast<std::size_t>(b)]);
        if (m_rightAnswer == a)
            m_rightAnswer = b;
        else if (m_rightAnswer == b)
            m_rightAnswer = a;
    }
    RequestRepaint();
    return m_rightAnswer;
}

// [SECTION] Drawing

void TXMultipleChoice::Render() {
    m_buffer.Resize(Width(), Height());
    TXCanvas canvas(m_buffer);
    const TXRect whole{0, 0, Width(), Height()};
    if (m_bitmap != nullptr && !m_bitmap->Empty()) {
        canvas.CopyRect(whole, *m_bitmap, {Left(), Top(), Left() + Width(), Top() + Height()});
    } else if (m_hintergrund.HasPicture()) {
        const int x = Left() - m_hintergrund.left;
        const int y = Top() - m_hintergrund.top;
        canvas.CopyRect(whole, *m_hintergrund.bitmap, {x, y, x + Width(), y + Height()});
    } else {
        canvas.FillRect(whole, kWhite);
    }

    canvas.Font() = m_font;
    const int textHeight = canvas.TextHeight("AXyg");
    for (int column = 0; column < m_spalten; ++column) {
        for (int row = 0; row < m_zeilen; ++row) {
            const int cell = column * m_zeilen + row;
            const std::string caption = CellCaption(cell);
            const int cellLeft = column * m_cellWidth;
            const int cellTop = row * m_cellHeight;
            const int xt = cellLeft + (m_cellWidth - canvas.TextWidth(caption)) / 2;
            const int yt = cellTop + (m_cellHeight - textHeight) / 2;
            if (cell == m_highlight) {
                canvas.Pen() = TXPen{m_highlightColor, 1, PenMode::Copy, false};
                canvas.Brush() = TXBrush{m_highlightColor, false};
                const int x0 = cellLeft + 10;
                const int ym = cellTop + m_cellHeight / 2;
                canvas.Ellipse({x0 - 3, 0, x0 + 4, 7});
                canvas.MoveTo(x0, 0);
                canvas.LineTo(x0, ym);
                canvas.LineTo(xt - 10, ym);
                const std::array<TXPoint, 3> arrow = {TXPoint{xt - 10, ym}, TXPoint{xt - 15, ym - 3},
                                                      TXPoint{xt - 15, ym + 3}};
                canvas.Polygon(arrow);
            }
            canvas.TextOut(xt, yt, caption, cell == m_hovered ? m_activeColor : m_inActiveColor);
        }
    }
}

void TXMultipleChoice::Paint(TXCanvas& canvas) {
    if (!Visible())
        return;
    Render();
    canvas.Draw(Left(), Top(), m_buffer);
}

// [SECTION] Mouse

void TXMultipleChoice::SetHovered(int cell) {
    if (cell == m_hovered)
        return;
    m_hovered = cell;
    RequestRepaint();
}

void TXMultipleChoice::MouseDown(const MouseEvent& event) {
    m_pressed = true;
    m_pressButton = event.button;
}

void TXMultipleChoice::MouseMove(const MouseEvent& event) {
    if (m_highlight == -1)
        SetHovered(CellAt(event.x, event.y));
}

void TXMultipleChoice::MouseLeave() {
    if (m_highlight == -1)
        SetHovered(-1);
}

void TXMultipleChoice::MouseUp(const MouseEvent& event) {
    const bool wasPressed = m_pressed;
    m_pressed = false;
    const int cell = CellAt(event.x, event.y);
    if (wasPressed && m_pressButton == MouseButton::Left && event.button == MouseButton::Left && cell >= 0 &&
        OnClick)
        OnClick(*this);
    if (cell < 0)
        return; // released outside the grid: no cell was chosen
    if (wasPressed && m_pressButton == MouseButton::Left) {
        if (m_highlight != -1)
            return;
        m_selected = cell;
    }
    if (OnSelect)
        OnSelect(*this, cell, event.button);
}

} // namespace qor
