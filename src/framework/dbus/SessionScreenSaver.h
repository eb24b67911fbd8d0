#pragma once

#include <QObject>
#include <memory>
#include <vector>

// The desktop session's screen saver as it announces itself on the session bus, under the
// freedesktop name or GNOME's own: whether it is active now, and a signal when that changes.
// Without a session bus, or with no screen saver on it, it is never active.
class SessionScreenSaver : public QObject {
    Q_OBJECT
public:
    explicit SessionScreenSaver(QObject* parent = nullptr);
    ~SessionScreenSaver() override;

    bool active() const;

signals:
    void activeChanged(bool active);

private:
    class Service;
    void serviceChanged();

    std::vector<std::unique_ptr<Service>> services_;
    bool active_ = false;
};
