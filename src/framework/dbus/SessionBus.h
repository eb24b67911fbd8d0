#pragma once

#include <QDBusConnection>
#include <optional>

// The desktop session's bus, when the session names one (DBUS_SESSION_BUS_ADDRESS). Without
// it nothing is started: an autolaunched bus would outlive the program and serve no desktop.
std::optional<QDBusConnection> sessionBus();
