#pragma once
// The menu items of a window by their object names ("FileOpen", "Sortieren"), so that tests and
// scripts can trigger them without going through the menus.

#include <QKeySequence>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QAction;
class QMenu;

namespace qor {

class NamedActions {
public:
    // A new item at the end of `menu`, named `name`, that runs `run` when triggered.
    QAction* Add(QMenu* menu, const std::string& name, const QString& text, std::function<void()> run,
                 const QKeySequence& shortcut = {});
    // A checkable item, ticked as `checked`; `toggled` hears every change of the tick.
    QAction* AddToggle(QMenu* menu, const std::string& name, const QString& text, bool checked,
                       std::function<void(bool on)> toggled);
    // The item of that name, or nullptr.
    QAction* Find(const std::string& name) const;

private:
    std::map<std::string, QAction*> m_actions;
};

} // namespace qor
