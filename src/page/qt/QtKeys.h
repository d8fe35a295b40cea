#pragma once
// Qt's keys and buttons in the page's terms: Windows virtual-key codes and shift states.

#include "page/controls/ControlEvents.h"

#include <Qt>

namespace qor {

// The virtual-key code of a Qt key, or 0 for keys the page does not know.
int VirtualKeyFromQt(int qtKey);
// The Qt key of a virtual-key code (the script driver types through Qt), or 0.
int QtKeyFromVirtualKey(int virtualKey);
ShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
MouseButton ButtonFromQt(Qt::MouseButton button);

} // namespace qor
