#include "platform/qt/QtScreenService.h"

#include <QGuiApplication>
#include <QScreen>

namespace qor {

ScreenInfo QtScreenService::PrimaryScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height(), screen->depth()};
}

} // namespace qor
