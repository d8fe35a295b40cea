#include "platform/qt/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qor {

void CentreOnScreen(QWidget& dialog) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

} // namespace qor
