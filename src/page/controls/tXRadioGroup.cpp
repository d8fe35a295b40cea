#include "page/controls/tXRadioGroup.h"

#include "page/controls/GridCells.h"

#include <algorithm>

namespace qor {

namespace {

constexpr Colour kGrayText = 8421504;
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

} // namespace

tXRadioGroup::tXRadioGroup(ControlHost& host) : TXControl(host) {
    Enforce();
}

void tXRadioGroup::Enforce() {
    if (m_loading)
        return;
    m_cellWidth = std::max(m_cellWidth, kMinCellWidth);
    m_cellHeight = std::max(m_cellHeight, kMinCellHeight);
    m_spalten = std::max(m_spalten, 1);
    m_zeilen = std::max(m_zeilen, 1);
    TXControl::SetBounds(Left(), Top(), m_cellWidth * m_spalten, m_cellHeight * m_zeilen);
}

void tXRadioGroup::EndLoading() {
    m_loading = false;
    Enforce();
}

void tXRadioGroup::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    RequestRepaint();
}

void tXRadioGroup::SetCellWidth(int width) {
    m_cellWidth = width;
    Enforce();
}

void tXRadioGroup::SetCellHeight(int height) {
    m_cellHeight = height;
    Enforce();
}

void tXRadioGroup::SetSpalten(int columns) {
    m_spalten = columns;
    Enforce();
}

void tXRadioGroup::SetZeilen(int rows) {
    m_zeilen = rows;
    Enforce();
}

void tXRadioGroup::SetSelected(int cell) {
    if (cell >= static_cast<int>(m_items.size()))
        return;
    m_selected = cell;
    RequestRepaint();
}

void tXRadioGroup::SetFont(const TXFont& font) {
    m_font = font;
    Enforce();
    RequestRepaint();
}

void tXRadioGroup::SetBounds(int left, int top, int width, int height) {
    TXControl::SetBounds(left, top, width, height);
    Enforce();
}

int tXRadioGroup::CellAt(int x, int y) const {
    return GridCellAt(x, y, m_cellWidth, m_cellHeight, m_spalten, m_zeilen);
}

std::string tXRadioGroup::CellCaption(int cell) const {
    return GridCellCaption(m_items, cell, "Option ");
}

void tXRadioGroup::Paint(TXCanvas& canvas) {
    if (!Visible())
        return;
    const TXCanvas::State saved = canvas.Save();
    canvas.EnterArea(Left(), Top(), Width(), Height());
    canvas.Font() = m_font;
    const int textHeight = canvas.TextHeight("AXyg");
    const Colour textColour = Enabled() ? m_font.colour : kGrayText;
    for (int column = 0; column < m_spalten; ++column) {
        for (int row = 0; row < m_zeilen; ++row) {
            const int cell = column * m_zeilen + row;
            const int x = column * m_cellWidth;
            const int y = row * m_cellHeight;
            canvas.TextOut(x + kCaptionLeft, y + (m_cellHeight - textHeight) / 2, CellCaption(cell),
                           textColour);
            const int circleTop = y + (m_cellHeight - kCircleSize) / 2;
            canvas.Pen() = TXPen{kBlack, 1, PenMode::Copy, false};
            canvas.Brush() = TXBrush{kWhite, false};
            canvas.Ellipse({x, circleTop, x + kCircleSize, circleTop + kCircleSize});
            if (cell == m_selected) {
                canvas.Brush().colour = kBlack;
                canvas.Ellipse({x + 2, circleTop + 2, x + 10, circleTop + 10});
            }
        }
    }
    canvas.Restore(saved);
}

void tXRadioGroup::MouseDown(const MouseEvent& event) {
    if (event.button != MouseButton::Left || !Enabled())
        return;
    const int cell = CellAt(event.x, event.y);
    if (cell < 0)
        return;
    m_selected = cell;
    RequestRepaint();
    if (OnClick)
        OnClick(*this);
}

} // namespace qor
