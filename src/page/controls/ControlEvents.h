#pragma once
// Input as the page's own controls receive it: mouse events in the control's own coordinates,
// keys as Windows virtual-key codes, typed characters in Windows-1252.

namespace qor {

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held while an event happens (a bit set).
using ShiftState = unsigned;
inline constexpr ShiftState kShiftNone = 0;
inline constexpr ShiftState kShiftKey = 1;
inline constexpr ShiftState kAltKey = 2;
inline constexpr ShiftState kCtrlKey = 4;
inline constexpr ShiftState kLeftButtonHeld = 8;
inline constexpr ShiftState kRightButtonHeld = 16;
inline constexpr ShiftState kMiddleButtonHeld = 32;

// The keyboard modifiers alone, without the mouse buttons.
inline constexpr ShiftState KeyModifiers(ShiftState shift) {
    return shift & (kShiftKey | kAltKey | kCtrlKey);
}

struct MouseEvent {
    int x = 0; // relative to the control's top-left corner
    int y = 0;
    MouseButton button = MouseButton::Left;
    ShiftState shift = kShiftNone;
};

// Windows virtual-key codes the controls react to.
namespace VirtualKey {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F12 = 123;
} // namespace VirtualKey

// A key press. A handler that sets `key` to 0 swallows it: nothing after it sees the key.
struct KeyEvent {
    int key = 0;
    ShiftState shift = kShiftNone;
};

} // namespace qor
