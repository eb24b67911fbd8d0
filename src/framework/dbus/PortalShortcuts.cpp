#include "framework/dbus/PortalShortcuts.h"

#include "framework/dbus/SessionBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QVariantMap>
#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRegistryInterface = QStringLiteral("org.freedesktop.host.portal.Registry");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
// The desktop entry's name, by which the desktop files the shortcuts.
const QString kApplicationId = QStringLiteral("glowtape");
// The portal may be started on demand by the bus; it answers an introspection within this.
constexpr int kIntrospectTimeout = 5000;

// One entry of BindShortcuts' a(sa{sv}).
struct ShortcutEntry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ShortcutEntry& entry) {
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ShortcutEntry& entry) {
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

bool waylandSession() {
    return qgetenv("XDG_SESSION_TYPE") == "wayland" ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

Q_DECLARE_METATYPE(ShortcutEntry)

// The portal's conversation: each call answers with a request object whose Response signal
// carries the result. The Response is listened for before the call, at the path the portal
// derives from our bus name and a token of ours, so that no answer can come too early.
class PortalSession : public QObject {
    Q_OBJECT
public:
    PortalSession(QDBusConnection bus, bool hasRegistry,
                  std::function<void(const QString& id)> activated, std::function<void()> failed)
        : bus_(std::move(bus)), hasRegistry_(hasRegistry), activated_(std::move(activated)),
          failed_(std::move(failed)) {}

    void bind(std::vector<PortalShortcuts::Shortcut> shortcuts) {
        shortcuts_ = std::move(shortcuts);
        if (!hasRegistry_) {
            createSession();
            return;
        }
        // A program started outside a sandbox names itself; the answer does not matter.
        QDBusMessage registration = QDBusMessage::createMethodCall(
            kService, kPath, kRegistryInterface, QStringLiteral("Register"));
        registration << kApplicationId << QVariantMap();
        whenAnswered(registration, [this](const QDBusMessage&) { createSession(); });
    }

public slots:
    // Slots named in QDBusConnection::connect, whose bus signals know only that form.
    void sessionCreated(uint response, const QVariantMap& results) {
        stopListening(QStringLiteral("sessionCreated"));
        session_ = results.value(QStringLiteral("session_handle")).toString();
        if (response != 0 || session_.isEmpty()) {
            fail();
            return;
        }
        bus_.connect(kService, kPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                     SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        QList<ShortcutEntry> entries;
        for (const PortalShortcuts::Shortcut& shortcut : shortcuts_) {
            QVariantMap properties{{QStringLiteral("description"), shortcut.description}};
            if (!shortcut.preferredTrigger.isEmpty())
                properties.insert(QStringLiteral("preferred_trigger"), shortcut.preferredTrigger);
            entries.append({shortcut.id, properties});
        }
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcutsInterface,
                                                           QStringLiteral("BindShortcuts"));
        call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(entries)
             << QString() << requestOptions(QStringLiteral("shortcutsBound"));
        whenAnswered(call, [this](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                fail();
        });
    }

    void shortcutsBound(uint response, const QVariantMap&) {
        stopListening(QStringLiteral("shortcutsBound"));
        if (response != 0)
            fail();
    }

    void shortcutActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                           const QVariantMap&) {
        if (session.path() == session_ && activated_)
            activated_(id);
    }

private:
    void createSession() {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcutsInterface,
                                                           QStringLiteral("CreateSession"));
        QVariantMap options = requestOptions(QStringLiteral("sessionCreated"));
        options.insert(QStringLiteral("session_handle_token"), QStringLiteral("glowtape"));
        call << options;
        whenAnswered(call, [this](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                fail();
        });
    }

    // The options of a call answered through a request object, and the listening for its
    // Response with `slot`.
    QVariantMap requestOptions(const QString& slot) {
        const QString token = QStringLiteral("glowtape%1").arg(++requests_);
        QString sender = bus_.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path =
            kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        listening_.insert(slot, path);
        bus_.connect(kService, path, kRequestInterface, QStringLiteral("Response"), this,
                     slotSignature(slot));
        return {{QStringLiteral("handle_token"), token}};
    }

    void stopListening(const QString& slot) {
        const QString path = listening_.take(slot);
        if (!path.isEmpty())
            bus_.disconnect(kService, path, kRequestInterface, QStringLiteral("Response"), this,
                            slotSignature(slot));
    }

    static QByteArray slotSignature(const QString& slot) {
        // What the SLOT() macro would produce: a code and the normalised signature.
        return "1" + slot.toLatin1() + "(uint,QVariantMap)";
    }

    void whenAnswered(const QDBusMessage& call,
                      std::function<void(const QDBusMessage& reply)> answered) {
        auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                    finished->deleteLater();
                    answered(finished->reply());
                });
    }

    void fail() {
        if (failedOnce_)
            return;
        failedOnce_ = true;
        if (failed_)
            failed_();
    }

    QDBusConnection bus_;
    bool hasRegistry_;
    std::function<void(const QString& id)> activated_;
    std::function<void()> failed_;
    std::vector<PortalShortcuts::Shortcut> shortcuts_;
    QString session_;
    QMap<QString, QString> listening_; // slot -> request path
    int requests_ = 0;
    bool failedOnce_ = false;
};

std::unique_ptr<PortalShortcuts>
PortalShortcuts::open(std::function<void(const QString& id)> activated,
                      std::function<void()> failed) {
    if (!waylandSession())
        return nullptr;
    const std::optional<QDBusConnection> bus = sessionBus();
    if (!bus)
        return nullptr;
    QDBusMessage introspect = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    const QDBusMessage reply = bus->call(introspect, QDBus::Block, kIntrospectTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return nullptr;
    const QString description = reply.arguments().constFirst().toString();
    const auto names = [&description](const QString& interface) {
        return description.contains(QStringLiteral("\"%1\"").arg(interface));
    };
    if (!names(kShortcutsInterface))
        return nullptr;
    qDBusRegisterMetaType<ShortcutEntry>();
    qDBusRegisterMetaType<QList<ShortcutEntry>>();
    return std::unique_ptr<PortalShortcuts>(new PortalShortcuts(std::make_unique<PortalSession>(
        *bus, names(kRegistryInterface), std::move(activated), std::move(failed))));
}

PortalShortcuts::PortalShortcuts(std::unique_ptr<PortalSession> session)
    : session_(std::move(session)) {}

PortalShortcuts::~PortalShortcuts() = default;

void PortalShortcuts::bind(std::vector<Shortcut> shortcuts) {
    session_->bind(std::move(shortcuts));
}

#include "PortalShortcuts.moc"
