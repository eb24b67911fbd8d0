#include "framework/dbus/StatusNotifier.h"

#include "framework/dbus/SessionBus.h"

#include <QDBusConnectionInterface>

namespace statusnotifier {

bool watcherRunning() {
    const std::optional<QDBusConnection> bus = sessionBus();
    return bus && bus->interface() &&
           bus->interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

} // namespace statusnotifier
