#include "app/qt/TBackdrop.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <string_view>

namespace qor {

namespace {

QColor ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace

TBackdrop::TBackdrop(std::int32_t colour)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool) {
    setObjectName(QStringLiteral("backdrop"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Only the trainer's own windows decide when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(0, 0, screen->geometry().width(), screen->geometry().height());
    BuildMenu();
    SetColour(colour);
    ShowColor();
}

TBackdrop::~TBackdrop() = default;

void TBackdrop::BuildMenu() {
    m_menu = new QMenu(this);
    QAction* minimise = m_menu->addAction(QStringLiteral("Minimieren"));
    connect(minimise, &QAction::triggered, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->isWindow() && !qobject_cast<QMenu*>(window))
                window->showMinimized();
    });
    m_menu->addSeparator();
    // Kept for the old menu's order; the learner never sees these two.
    QAction* invisible = m_menu->addAction(QStringLiteral("Unsichtbar"));
    invisible->setVisible(false);
    connect(invisible, &QAction::triggered, this, &QWidget::hide);
    m_menu->addSeparator()->setVisible(false);

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const std::string_view names[] = {"Weiß"_cp, "Hellgrau", "Dunkelgrau", "Schwarz"};
    for (int i = 0; i < 4; ++i) {
        QAction* action = m_menu->addAction(ToQString(names[i]));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { ChooseColour(i); });
        m_colourActions[static_cast<std::size_t>(i)] = action;
    }
}

void TBackdrop::SetColour(std::int32_t colour) {
    m_colour = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    setPalette(palette);
    update();
}

void TBackdrop::ShowColor() {
    for (std::size_t i = 0; i < kColours.size(); ++i)
        m_colourActions[i]->setChecked(kColours[i] == m_colour);
}

void TBackdrop::ChooseColour(int index) {
    SetColour(kColours[static_cast<std::size_t>(index)]);
    ShowColor();
    if (onColourChanged)
        onColourChanged(m_colour);
}

void TBackdrop::ShowBehind() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(0, 0, screen->geometry().width(), screen->geometry().height());
    show();
    lower();
}

void TBackdrop::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    lower();
}

void TBackdrop::BringActiveWindowForward() {
    QWidget* active = QApplication::activeWindow();
    if (!active || active == this) {
        active = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != this && window->isVisible() && !qobject_cast<QMenu*>(window)) {
                active = window;
                break;
            }
    }
    lower();
    if (active) {
        active->raise();
        active->activateWindow();
    }
}

void TBackdrop::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        BringActiveWindowForward();
}

void TBackdrop::contextMenuEvent(QContextMenuEvent* event) {
    m_menu->popup(event->globalPos());
    event->accept();
}

} // namespace qor
