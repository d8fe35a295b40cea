#include "page/qt/QtKeys.h"

namespace qor {

namespace {

struct KeyPair {
    int qt;
    int windows;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
};

} // namespace

int VirtualKeyFromQt(int qtKey) {
    for (const KeyPair& pair : kKeys) {
        if (pair.qt == qtKey)
            return pair.windows;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt uses the same codes as Windows for letters and digits
    return 0;
}

int QtKeyFromVirtualKey(int virtualKey) {
    for (const KeyPair& pair : kKeys) {
        if (pair.windows == virtualKey)
            return pair.qt;
    }
    if (virtualKey >= 112 && virtualKey <= 123)
        return Qt::Key_F1 + (virtualKey - 112);
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    return 0;
}

ShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    ShiftState shift = kShiftNone;
    if (modifiers & Qt::ShiftModifier)
        shift |= kShiftKey;
    if (modifiers & Qt::AltModifier)
        shift |= kAltKey;
    if (modifiers & Qt::ControlModifier)
        shift |= kCtrlKey;
    if (buttons & Qt::LeftButton)
        shift |= kLeftButtonHeld;
    if (buttons & Qt::RightButton)
        shift |= kRightButtonHeld;
    if (buttons & Qt::MiddleButton)
        shift |= kMiddleButtonHeld;
    return shift;
}

MouseButton ButtonFromQt(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace qor
