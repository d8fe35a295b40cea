#pragma once
// The picture button: a face in a colour or a page picture, an optional picture (normal, and
// another for hover, pressed or "on"), a word-wrapped caption, optional 3D frames and a toggle
// mode. It draws into a bitmap of its own for every paint.

#include "page/controls/PictureRef.h"
#include "page/controls/TXControl.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class tXColorButton : public TXControl {
public:
    static constexpr int kDefaultSize = 105;
    static constexpr Colour kGrey = 8421504;
    static constexpr Colour kSilver = 12632256;
    static constexpr Colour kWhite = 0xFFFFFF;

    using Event = std::function<void(tXColorButton& sender)>;
    using MouseHandler = std::function<void(tXColorButton& sender, const MouseEvent& event)>;

    explicit tXColorButton(ControlHost& host);

    // [Properties]
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);
    Colour Color() const { return m_color; }
    void SetColor(Colour colour);
    const TXFont& Font() const { return m_font; }
    void SetFont(const TXFont& font);
    Colour FlashColor() const { return m_flashColor; } // caption colour while hovered
    void SetFlashColor(Colour colour);
    bool MouseOver() const { return m_mouseOver; } // hover effects on
    void SetMouseOver(bool on) { m_mouseOver = on; }
    bool MouseOver3D() const { return m_mouseOver3D; } // raised frame while hovered
    void SetMouseOver3D(bool on) { m_mouseOver3D = on; }
    bool DDD() const { return m_ddd; } // permanent 3D frame
    void SetDDD(bool on);
    const TXBitmap& Picture1() const { return m_picture1; }
    void SetPicture1(const TXBitmap& picture);
    const TXBitmap& Picture2() const { return m_picture2; }
    void SetPicture2(const TXBitmap& picture);
    const PictureRef& Image() const { return m_image; } // page picture shown as the face
    void SetImage(const PictureRef& image);
    const PictureRef& Hintergrund() const { return m_hintergrund; }
    void SetHintergrund(const PictureRef& picture) { m_hintergrund = picture; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on);
    bool Center() const { return m_center; }
    void SetCenter(bool on);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    int Abstand() const { return m_abstand; } // between picture and caption when centred
    void SetAbstand(int pixels);
    int Mode() const { return m_mode; } // picture effect: blend mode ...
    void SetMode(int mode);
    int Radius() const { return m_radius; } // ... and corner radius
    void SetRadius(int radius);
    bool OnOff() const { return m_onOff; } // toggle button
    void SetOnOff(bool on) { m_onOff = on; }
    bool IsOn() const { return m_isOn; }
    void SetIsOn(bool on); // only for OnOff buttons
    const std::string& Befehl() const { return m_befehl; }
    void SetBefehl(std::string_view command) { m_befehl = command; }

    // [State]
    bool Pressed() const { return m_pressed; }
    bool Inside() const { return m_inside; }
    // The picture of the last paint (the control's size).
    const TXBitmap& Buffer() const { return m_buffer; }

    // Draws the button into Buffer() without copying it anywhere.
    void Render();

    // [TXControl]
    void Paint(TXCanvas& canvas) override;
    void MouseDown(const MouseEvent& event) override;
    void MouseMove(const MouseEvent& event) override;
    void MouseUp(const MouseEvent& event) override;
    void MouseLeave() override;

    // [Events]
    Event OnClick;
    Event OnTurnOn;
    Event OnTurnOff;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;

private:
    bool Hovered() const;
    void ApplyAutoSize();
    void Changed();

    std::string m_caption;
    Colour m_color = kSilver;
    TXFont m_font;
    Colour m_flashColor = 255;
    bool m_mouseOver = false;
    bool m_mouseOver3D = false;
    bool m_ddd = false;
    TXBitmap m_picture1;
    TXBitmap m_picture2;
    PictureRef m_image;
    PictureRef m_hintergrund;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
    int m_abstand = 0;
    int m_mode = 0;
    int m_radius = 0;
    bool m_onOff = false;
    bool m_isOn = false;
    std::string m_befehl;

    bool m_pressed = false;
    bool m_inside = false;
    TXBitmap m_buffer;
};

} // namespace qor
