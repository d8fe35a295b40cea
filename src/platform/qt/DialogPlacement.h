#pragma once
// Dialogs of the program open in the middle of the screen, whatever window opened them.

class QWidget;

namespace qor {

void CentreOnScreen(QWidget& dialog);

} // namespace qor
