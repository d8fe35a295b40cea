#pragma once
// The "Sonderzeichen" menu: French and Spanish letters and marks that a German keyboard lacks, each
// inserted at the caret of the focused text field.

#include <QKeySequence>
#include <QObject>
#include <string_view>
#include <vector>

class QMenu;
class QMenuBar;
class QWidget;

namespace qor {

struct SpecialCharacter {
    std::string_view caption;   // the item's caption (Windows-1252)
    std::string_view character; // what it inserts (Windows-1252)
    QKeySequence shortcut;      // empty for none
};

struct SpecialCharacterGroup {
    std::string_view caption; // the submenu
    std::vector<SpecialCharacter> characters;
    std::vector<int> separatorsBefore; // indices of the items that begin a new section
};

// Lower case, upper case, punctuation. `questionMarkShortcut` false leaves "¿" without Ctrl+F
// (which the editor uses for searching).
std::vector<SpecialCharacterGroup> SpecialCharacterGroups(bool questionMarkShortcut);

// Inserts `character` at the caret of `field` (a QLineEdit or QPlainTextEdit), replacing the
// selection; false for any other widget or a read-only field.
bool InsertSpecialCharacter(QWidget* field, std::string_view character);

// Adds the menu to `bar`. Its shortcuts win over the text fields' own bindings of the same keys
// (Ctrl+A, Ctrl+Z …) in every text field below `window`.
QMenu* AddSpecialCharacterMenu(QMenuBar& bar, QWidget& window, bool questionMarkShortcut);

} // namespace qor
