#include "page/controls/tXColorButton.h"

#include <algorithm>

namespace qor {

namespace {

constexpr Colour kBlack = 0;

} // namespace

tXColorButton::tXColorButton(ControlHost& host) : TXControl(host) {
    SetBounds(0, 0, kDefaultSize, kDefaultSize);
}

// [SECTION] Properties

void tXColorButton::Changed() {
    RequestRepaint();
}

void tXColorButton::SetCaption(std::string_view caption) {
    m_caption = caption;
    Changed();
}

void tXColorButton::SetColor(Colour colour) {
    m_color = colour;
    Changed();
}

void tXColorButton::SetFont(const TXFont& font) {
    m_font = font;
    Changed();
}

void tXColorButton::SetFlashColor(Colour colour) {
    m_flashColor = colour;
    Changed();
}

void tXColorButton::SetDDD(bool on) {
    m_ddd = on;
    Changed();
}

void tXColorButton::SetPicture1(const TXBitmap& picture) {
    m_picture1 = picture; // our bitmaps are always 24-bit, so there is nothing to convert
    ApplyAutoSize();
    Changed();
}

void tXColorButton::SetPicture2(const TXBitmap& picture) {
    m_picture2 = picture;
    Changed();
}

void tXColorButton::SetImage(const PictureRef& image) {
    m_image = image;
    Changed();
}

void tXColorButton::SetStretch(bool on) {
    m_stretch = on;
    Changed();
}

void tXColorButton::SetCenter(bool on) {
    m_center = on;
    Changed();
}

void tXColorButton::SetAutoSize(bool on) {
    m_autoSize = on;
    ApplyAutoSize();
}

void tXColorButton::SetAbstand(int pixels) {
    m_abstand = pixels;
    Changed();
}

void tXColorButton::SetMode(int mode) {
    m_mode = mode;
    Changed();
}

void tXColorButton::SetRadius(int radius) {
    m_radius = radius;
    Changed();
}

void tXColorButton::SetIsOn(bool on) {
    if (!m_onOff)
        return;
    m_isOn = on;
    Changed();
}

void tXColorButton::ApplyAutoSize() {
    if (m_autoSize && !m_picture1.Empty())
        SetBounds(Left(), Top(), m_picture1.Width(), m_picture1.Height());
}

// [SECTION] Drawing

bool tXColorButton::Hovered() const {
    return m_mouseOver && m_inside && Enabled();
}

void tXColorButton::Render() {
    const int w = Width();
    const int h = Height();
    m_buffer.Resize(w, h);
    TXCanvas canvas(m_buffer);
    canvas.Font() = m_font;

    // 1. The face, and where a pressed face is taken from (one pixel further in).
    const TXRect face = m_ddd ? TXRect{2, 2, w - 2, h - 2} : TXRect{0, 0, w, h};
    const TXRect pressedSource = m_ddd ? TXRect{3, 3, w - 1, h - 1} : TXRect{1, 1, w, h};
    const bool pressedInside = m_pressed && m_inside;

    // 2. Caption colour.
    const Colour captionColour = Hovered() ? m_flashColor : m_font.colour;

    // 3. Edge colours: on a grey face, grey edges would vanish.
    Colour light = kWhite;
    Colour dark = kGrey;
    if (m_color == kGrey) {
        dark = kBlack;
    } else if (m_color == kWhite) {
        light = kSilver;
    }

    // 4. Face.
    if (m_image.HasPicture()) {
        const TXRect source = m_pressed ? pressedSource : face;
        const int dx = Left() - m_image.left;
        const int dy = Top() - m_image.top;
        canvas.FillRect({0, 0, w, h}, m_color);
        canvas.CopyRect(face, *m_image.bitmap,
                        {source.left + dx, source.top + dy, source.right + dx, source.bottom + dy});
        if (m_ddd) {
            canvas.Brush() = TXBrush{kBlack, false};
            canvas.FrameRect({0, 0, w, h});
        }
    } else if (m_ddd) {
        canvas.Pen() = TXPen{kBlack, 1, PenMode::Copy, false};
        canvas.Brush() = TXBrush{m_color, false};
        canvas.Rectangle({0, 0, w, h});
    } else {
        canvas.FillRect({0, 0, w, h}, m_color);
    }

    // 5. Permanent 3D frame.
    if (m_ddd) {
        const Colour topLeft = m_pressed ? dark : light;
        const Colour bottomRight = m_pressed ? light : dark;
        canvas.Pen() = TXPen{topLeft, 1, PenMode::Copy, false};
        canvas.Line(0, 0, w - 1, 0);
        canvas.Line(0, 0, 0, h - 1);
        canvas.Line(1, 1, w - 2, 1);
        canvas.Line(1, 1, 1, h - 2);
        canvas.Pen().colour = bottomRight;
        canvas.Line(w - 2, 1, w - 2, h - 1);
        canvas.Line(1, h - 2, w - 1, h - 2);
    }

    // 6. Hover frame.
    if (m_mouseOver3D && m_inside && Enabled()) {
        const Colour topLeft = m_pressed ? dark : light;
        const Colour bottomRight = m_pressed ? light : dark;
        canvas.Pen() = TXPen{topLeft, 1, PenMode::Copy, false};
        canvas.Line(0, 0, w, 0);
        canvas.Line(0, 0, 0, h);
        canvas.Pen().colour = bottomRight;
        canvas.Line(w - 1, 0, w - 1, h);
        canvas.Line(0, h - 1, w, h - 1);
    }

    // 7. Caption placement, and 8. the picture's rectangle.
    const TXRect captionArea{4, 4, w - 4, h - 4};
    const int captionHeight =
        m_caption.empty() ? 0 : canvas.WrappedTextHeight(m_caption, captionArea.Width());
    const int shift = pressedInside ? 1 : 0;
    const bool pictureAboveCaption = m_center && !m_picture1.Empty() && m_picture1.Height() < h;
    int captionTop = captionArea.top + (captionArea.Height() - captionHeight) / 2;
    TXRect pictureRect{0, 0, m_picture1.Width(), m_picture1.Height()};
    if (m_stretch) {
        pictureRect = {0, 0, w, h};
    } else if (m_center) {
        const int pw = m_picture1.Width();
        const int ph = m_picture1.Height();
        const int together = m_caption.empty() ? ph : ph + m_abstand + captionHeight;
        const int top = (h - together) / 2;
        pictureRect = {(w - pw) / 2 + shift, top + shift, (w - pw) / 2 + pw + shift, top + ph + shift};
        if (pictureAboveCaption)
            captionTop = top + ph + m_abstand;
    }

    // 9. Picture.
    if (Enabled()) {
        const TXBitmap* picture = &m_picture1;
        if (!m_picture2.Empty()) {
            const bool second = m_onOff ? m_isOn : (m_pressed || m_inside);
            picture = second ? &m_picture2 : &m_picture1;
        }
        if (!picture->Empty()) {
            const bool effect = picture == &m_picture1 && m_picture2.Empty() && (m_mode != 0 || m_radius > 0);
            if (effect)
                m_buffer.RoundedBlendedDraw(pictureRect.left, pictureRect.top, *picture, m_mode, m_radius,
                                            m_radius);
            else
                canvas.StretchDraw(pictureRect, *picture);
        }
    }

    // The caption goes on top of the picture.
    if (!m_caption.empty()) {
        canvas.Font().colour = captionColour;
        canvas.DrawTextWrapped({captionArea.left + shift, captionTop + shift, captionArea.right + shift,
                                captionArea.bottom + shift},
                               m_caption);
    }
}

void tXColorButton::Paint(TXCanvas& canvas) {
    if (!Visible())
        return;
    Render();
    canvas.Draw(Left(), Top(), m_buffer);
}

// [SECTION] Mouse

void tXColorButton::MouseDown(const MouseEvent& event) {
    if (OnMouseDown)
        OnMouseDown(*this, event);
    if (event.button != MouseButton::Left)
        return;
    m_pressed = true;
    Changed();
}

void tXColorButton::MouseMove(const MouseEvent& event) {
    if (OnMouseMove)
        OnMouseMove(*this, event);
    const bool inside = event.x >= 0 && event.x < Width() && event.y >= 0 && event.y < Height();
    if (inside != m_inside) {
        m_inside = inside;
        Changed();
    }
}

void tXColorButton::MouseUp(const MouseEvent& event) {
    if (OnMouseUp)
        OnMouseUp(*this, event);
    if (event.button != MouseButton::Left)
        return;
    m_pressed = false;
    const bool inside = event.x >= 0 && event.x <= Width() && event.y >= 0 && event.y <= Height();
    if (inside && m_onOff) {
        m_isOn = !m_isOn;
        if (m_isOn && OnTurnOn)
            OnTurnOn(*this);
        else if (!m_isOn && OnTurnOff)
            OnTurnOff(*this);
    }
    Changed();
    Host().ProcessMessages();
    if (inside && OnClick)
        OnClick(*this);
}

void tXColorButton::MouseLeave() {
    m_inside = false;
    if (m_mouseOver)
        Changed();
}

} // namespace qor
