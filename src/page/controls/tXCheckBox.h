#pragma once
// The page's check box: a 12 × 12 square with a tick and a caption, drawn straight onto the
// parent (no background of its own).

#include "page/controls/TXControl.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class tXCheckBox : public TXControl {
public:
    static constexpr int kDefaultWidth = 65;
    static constexpr int kDefaultHeight = 17;
    static constexpr int kBoxSize = 12;
    static constexpr int kCaptionLeft = 16;

    using MouseHandler = std::function<void(tXCheckBox& sender, const MouseEvent& event)>;

    explicit tXCheckBox(ControlHost& host);

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    int Index() const { return m_index; } // for the page's use
    void SetIndex(int index) { m_index = index; }
    const TXFont& Font() const { return m_font; }
    void SetFont(const TXFont& font);

    // The top of the square in control coordinates.
    int BoxTop() const;

    void Paint(TXCanvas& canvas) override;
    void MouseDown(const MouseEvent& event) override;
    void MouseMove(const MouseEvent& event) override;
    void MouseUp(const MouseEvent& event) override;

    std::function<void(tXCheckBox& sender)> OnClick;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;

private:
    std::string m_caption;
    bool m_checked = false;
    int m_index = 0;
    TXFont m_font;
};

} // namespace qor
