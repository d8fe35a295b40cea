#include "platform/qt/NamedActions.h"

#include <QAction>
#include <QMenu>

namespace qor {

QAction* NamedActions::Add(QMenu* menu, const std::string& name, const QString& text,
                           std::function<void()> run, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromStdString(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, action, [run = std::move(run)] { run(); });
    m_actions[name] = action;
    return action;
}

QAction* NamedActions::AddToggle(QMenu* menu, const std::string& name, const QString& text, bool checked,
                                 std::function<void(bool on)> toggled) {
    QAction* action = Add(menu, name, text, [] {});
    action->setCheckable(true);
    action->setChecked(checked);
    QObject::connect(action, &QAction::toggled, action,
                     [toggled = std::move(toggled)](bool on) { toggled(on); });
    return action;
}

QAction* NamedActions::Find(const std::string& name) const {
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

} // namespace qor
