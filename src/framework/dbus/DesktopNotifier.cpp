#include "framework/dbus/DesktopNotifier.h"

#include "framework/dbus/SessionBus.h"

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kDefaultAction = "default";

} // namespace

// The service's signals, delivered as typed Qt signals.
class NotificationsInterface : public QDBusAbstractInterface {
    Q_OBJECT
public:
    NotificationsInterface(const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(kService, kPath, kService, bus, parent) {}

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const QString& summary, const QString& body,
                             std::function<void()> clicked) {
    if (!service_) {
        const std::optional<QDBusConnection> bus = sessionBus();
        if (!bus)
            return;
        auto* service = new NotificationsInterface(*bus, this);
        connect(service, &NotificationsInterface::ActionInvoked, this,
                &DesktopNotifier::actionInvoked);
        connect(service, &NotificationsInterface::NotificationClosed, this,
                [this](uint id, uint) { closed(id); });
        service_ = service;
    }
    if (!service_->connection().isConnected())
        return;
    // The body may be read as markup: the headline's own "<" and "&" stay text.
    const QDBusPendingCall call = service_->asyncCall(
        QStringLiteral("Notify"), QStringLiteral("Glowtape"), uint(0), QStringLiteral("glowtape"),
        summary, body.toHtmlEscaped(),
        QStringList{QString::fromLatin1(kDefaultAction), tr("記事を開く")}, QVariantMap{}, int(-1));
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, clicked = std::move(clicked)](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid())
                    clicks_[reply.value()] = clicked;
                finished->deleteLater();
            });
}

void DesktopNotifier::actionInvoked(uint id, const QString& action) {
    const auto found = clicks_.find(id);
    if (found == clicks_.end() || action != QLatin1String(kDefaultAction))
        return;
    const std::function<void()> clicked = found->second;
    clicks_.erase(found);
    if (clicked)
        clicked();
}

void DesktopNotifier::closed(uint id) {
    clicks_.erase(id);
}

#include "DesktopNotifier.moc"
