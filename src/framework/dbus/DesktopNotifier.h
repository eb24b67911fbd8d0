#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QDBusAbstractInterface;

// Desktop notifications through the session bus's notification service
// (org.freedesktop.Notifications). Without a bus or a service nothing is shown and nothing
// fails. The bus is first reached at the first notification.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);
    ~DesktopNotifier() override;

    // Shows one notification; `clicked` runs when the user activates it.
    void notify(const QString& summary, const QString& body, std::function<void()> clicked);

private:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id);

    QDBusAbstractInterface* service_ = nullptr;
    std::map<uint, std::function<void()>> clicks_; // by the notification's id
};
