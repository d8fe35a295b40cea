#include "platform/qt/ScreenSaverInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace qor {

namespace {

const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
const char* const kInterface = "org.freedesktop.ScreenSaver";
// A desktop that does not answer must not hold up the presentation.
constexpr int kTimeoutMs = 1000;

bool ServiceAvailable(const QDBusConnection& bus) {
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QString::fromLatin1(kService)).value();
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QString& reason) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!ServiceAvailable(bus))
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Inhibit"));
    call << QCoreApplication::applicationName() << reason;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    m_cookie = reply.arguments().first().toUInt();
    m_active = true;
}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    if (!m_active)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("UnInhibit"));
    call << m_cookie;
    bus.call(call, QDBus::NoBlock);
}

} // namespace qor
