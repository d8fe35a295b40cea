#include "dictionary/qt/SpecialCharacterMenu.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>
#include <memory>

namespace qor {

namespace {

QKeySequence Ctrl(Qt::Key key, bool shift = false) {
    return shift ? QKeySequence(Qt::CTRL | Qt::SHIFT | key) : QKeySequence(Qt::CTRL | key);
}

// Gives the menu's keys to the menu while a text field has the focus: a field claims Ctrl+A,
// Ctrl+Z and others for itself unless the override request is withheld from it.
class ShortcutPriority : public QObject {
public:
    ShortcutPriority(QWidget& window, std::vector<QKeySequence> keys)
        : QObject(&window), m_window(window), m_keys(std::move(keys)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &m_window)
            return false;
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->modifiers() | key->key());
        for (const QKeySequence& own : m_keys) {
            if (own == pressed)
                return true; // withheld: the menu's shortcut runs
        }
        return false;
    }

private:
    QWidget& m_window;
    std::vector<QKeySequence> m_keys;
};

} // namespace

std::vector<SpecialCharacterGroup> SpecialCharacterGroups(bool questionMarkShortcut) {
    std::vector<SpecialCharacterGroup> groups;
    groups.push_back({"&Kleinbuchstaben",
                      {{"\xE2", "\xE2", Ctrl(Qt::Key_A)},
                       {"\xEA", "\xEA", Ctrl(Qt::Key_E)},
                       {"\xEE", "\xEE", Ctrl(Qt::Key_I)},
                       {"\xF4", "\xF4", Ctrl(Qt::Key_O)},
                       {"\xFB", "\xFB", Ctrl(Qt::Key_U)},
                       {"ae", "\xE6", {}},
                       {"oe", "\x9C", {}},
                       {"\xEF", "\xEF", {}},
                       {"\xE7", "\xE7", QKeySequence(Qt::Key_F5)},
                       {"\xF1", "\xF1", Ctrl(Qt::Key_N)}},
                      {5, 8}});
    groups.push_back({"&Gro\xDF"
                      "buchstaben",
                      {{"\xC2", "\xC2", Ctrl(Qt::Key_A, true)},
                       {"\xCA", "\xCA", Ctrl(Qt::Key_E, true)},
                       {"\xCE", "\xCE", Ctrl(Qt::Key_I, true)},
                       {"\xD4", "\xD4", Ctrl(Qt::Key_O, true)},
                       {"\xDB", "\xDB", Ctrl(Qt::Key_U, true)},
                       {"AE", "\xC6", {}},
                       {"OE", "\x8C", {}},
                       {"\xCF", "\xCF", {}},
                       {"\xC7", "\xC7", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
                       {"\xD1", "\xD1", Ctrl(Qt::Key_N, true)}},
                      {5, 8}});
    groups.push_back({"Satz&zeichen",
                      {{"\xBF", "\xBF", questionMarkShortcut ? Ctrl(Qt::Key_F) : QKeySequence()},
                       {"\xA1", "\xA1", Ctrl(Qt::Key_Z)}},
                      {}});
    return groups;
}

bool InsertSpecialCharacter(QWidget* field, std::string_view character) {
    const QString text = ToQString(character);
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        if (line->isReadOnly())
            return false;
        line->insert(text);
        return true;
    }
    if (auto* block = qobject_cast<QPlainTextEdit*>(field)) {
        if (block->isReadOnly())
            return false;
        block->insertPlainText(text);
        return true;
    }
    return false;
}

QMenu* AddSpecialCharacterMenu(QMenuBar& bar, QWidget& window, bool questionMarkShortcut) {
    QMenu* menu = bar.addMenu(ToQString("&Sonderzeichen"));
    std::vector<QKeySequence> keys;
    for (const SpecialCharacterGroup& group : SpecialCharacterGroups(questionMarkShortcut)) {
        QMenu* sub = menu->addMenu(ToQString(group.caption));
        for (std::size_t i = 0; i < group.characters.size(); ++i) {
            const SpecialCharacter& item = group.characters[i];
            if (std::find(group.separatorsBefore.begin(), group.separatorsBefore.end(),
                          static_cast<int>(i)) != group.separatorsBefore.end())
                sub->addSeparator();
            QAction* action = sub->addAction(ToQString(item.caption));
            if (!item.shortcut.isEmpty()) {
                action->setShortcut(item.shortcut);
                keys.push_back(item.shortcut);
            }
            QObject::connect(action, &QAction::triggered, &window, [character = item.character] {
                InsertSpecialCharacter(QApplication::focusWidget(), character);
            });
        }
    }
    new ShortcutPriority(window, std::move(keys));
    return menu;
}

} // namespace qor
