#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

struct Script
{
    bool on = false;
    bool available = true;
    std::vector<QString> sent;
};

Script& Scripted()
{
    static Script script;
    return script;
}

bool ServiceThere(QDBusConnection& bus)
{
    QDBusConnectionInterface* daemon = bus.interface();
    if (daemon == nullptr) {
        return false;
    }
    const QDBusReply<bool> registered = daemon->isServiceRegistered(kService);
    if (registered.isValid() && registered.value()) {
        return true;
    }
    // A service the bus starts on the first call counts as well.
    const QDBusReply<QStringList> activatable = daemon->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

} // namespace

bool CDesktopNotifications::Send(const QString& summary, const QString& body)
{
    Script& script = Scripted();
    if (script.on) {
        if (!script.available) {
            return false;
        }
        script.sent.push_back(summary + QLatin1Char('|') + body);
        return true;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !ServiceThere(bus)) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                       kService, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.dayloom.Dayloom"));
    hints.insert(QStringLiteral("category"), QStringLiteral("x-dayloom.reminder"));
    call << QStringLiteral("Dayloom") << 0u << QStringLiteral("org.dayloom.Dayloom") << summary
         << body << QStringList() << hints << -1;
    // Not waited for: a slow service never holds up the window.
    return bus.send(call);
}

void CDesktopNotifications::SetScripted(bool scripted)
{
    Scripted().on = scripted;
}

void CDesktopNotifications::SetServiceAvailable(bool available)
{
    Scripted().available = available;
}

const std::vector<QString>& CDesktopNotifications::Sent()
{
    return Scripted().sent;
}

void CDesktopNotifications::Reset()
{
    Scripted().available = true;
    Scripted().sent.clear();
}
