#include "page/controls/tXCheckBox.h"

#include <array>

namespace qor {

namespace {

constexpr Colour kGrayText = 8421504; // the system's grey-text colour
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

} // namespace

tXCheckBox::tXCheckBox(ControlHost& host) : TXControl(host) {
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

void tXCheckBox::SetCaption(std::string_view caption) {
    m_caption = caption;
    RequestRepaint();
}

void tXCheckBox::SetChecked(bool checked) {
    if (m_checked == checked)
        return;
    m_checked = checked;
    RequestRepaint();
}

void tXCheckBox::SetFont(const TXFont& font) {
    m_font = font;
    RequestRepaint();
}

int tXCheckBox::BoxTop() const {
    return (Height() - kBoxSize) / 2;
}

void tXCheckBox::Paint(TXCanvas& canvas) {
    if (!Visible())
        return;
    const TXCanvas::State saved = canvas.Save();
    canvas.EnterArea(Left(), Top(), Width(), Height());
    canvas.Font() = m_font;

    const int captionTop = (Height() - canvas.TextHeight("AXyg")) / 2;
    canvas.TextOut(kCaptionLeft, captionTop, m_caption, Enabled() ? m_font.colour : kGrayText);

    const int y = BoxTop();
    canvas.Pen() = TXPen{kBlack, 1, PenMode::Copy, false};
    canvas.Brush() = TXBrush{kWhite, false};
    canvas.Rectangle({0, y, kBoxSize, y + kBoxSize});
    if (m_checked) {
        // Three strokes one pixel apart make the tick three pixels thick.
        for (int offset = 0; offset < 3; ++offset) {
            const std::array<TXPoint, 3> tick = {TXPoint{2, y + 5 + offset}, TXPoint{4, y + 7 + offset},
                                                 TXPoint{10, y + 1 + offset}};
            canvas.Polyline(tick);
        }
    }
    canvas.Restore(saved);
}

void tXCheckBox::MouseDown(const MouseEvent& event) {
    if (OnMouseDown)
        OnMouseDown(*this, event);
    if (event.button == MouseButton::Left && Enabled()) {
        m_checked = !m_checked;
        RequestRepaint();
    }
}

void tXCheckBox::MouseMove(const MouseEvent& event) {
    if (OnMouseMove)
        OnMouseMove(*this, event);
}

void tXCheckBox::MouseUp(const MouseEvent& event) {
    if (OnMouseUp)
        OnMouseUp(*this, event);
    const bool inside = event.x >= 0 && event.x <= Width() && event.y >= 0 && event.y <= Height();
    if (inside && OnClick)
        OnClick(*this);
}

} // namespace qor
