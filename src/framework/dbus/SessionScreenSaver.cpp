#include "framework/dbus/SessionScreenSaver.h"

#include "framework/dbus/SessionBus.h"

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include <functional>

namespace {

// The screen saver's interface; its signal is declared here so that Qt forwards the bus
// signal to it.
class ScreenSaverInterface : public QDBusAbstractInterface {
    Q_OBJECT
public:
    ScreenSaverInterface(const QString& service, const QString& path, const char* interface,
                         const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(service, path, interface, bus, parent) {}

signals:
    void ActiveChanged(bool active);
};

struct ServiceName {
    const char* service;
    const char* path;
    const char* interface;
};

constexpr ServiceName kServices[] = {
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"},
};

} // namespace

// One bus name of a screen saver: its state as last reported, asked again whenever the name
// gets a new owner, and inactive while nobody owns it.
class SessionScreenSaver::Service : public QObject {
public:
    Service(const ServiceName& name, const QDBusConnection& bus, std::function<void()> changed)
        : interface_(QString::fromLatin1(name.service), QString::fromLatin1(name.path),
                     name.interface, bus, this),
          watcher_(QString::fromLatin1(name.service), bus, QDBusServiceWatcher::WatchForOwnerChange,
                   this),
          changed_(std::move(changed)) {
        connect(&interface_, &ScreenSaverInterface::ActiveChanged, this,
                [this](bool active) { set(active); });
        connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& owner) {
                    set(false);
                    if (!owner.isEmpty())
                        askActive();
                });
        askActive();
    }

    bool active() const { return active_; }

private:
    void askActive() {
        auto* call =
            new QDBusPendingCallWatcher(interface_.asyncCall(QStringLiteral("GetActive")), this);
        connect(call, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* finished) {
                    const QDBusPendingReply<bool> reply = *finished;
                    if (reply.isValid())
                        set(reply.value());
                    finished->deleteLater();
                });
    }

    void set(bool active) {
        if (active == active_)
            return;
        active_ = active;
        changed_();
    }

    ScreenSaverInterface interface_;
    QDBusServiceWatcher watcher_;
    std::function<void()> changed_;
    bool active_ = false;
};

SessionScreenSaver::SessionScreenSaver(QObject* parent) : QObject(parent) {
    // Only the session's own bus: an autolaunched one would outlive the program.
    const std::optional<QDBusConnection> bus = sessionBus();
    if (!bus)
        return;
    for (const ServiceName& name : kServices)
        services_.push_back(std::make_unique<Service>(name, *bus, [this] { serviceChanged(); }));
}

SessionScreenSaver::~SessionScreenSaver() = default;

bool SessionScreenSaver::active() const {
    return active_;
}

void SessionScreenSaver::serviceChanged() {
    bool active = false;
    for (const auto& service : services_)
        active = active || service->active();
    if (active == active_)
        return;
    active_ = active;
    emit activeChanged(active);
}

#include "SessionScreenSaver.moc"
