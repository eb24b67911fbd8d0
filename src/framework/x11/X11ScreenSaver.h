#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QTimer;

// The X server's own screen saver (the MIT-SCREEN-SAVER extension), which also comes on when
// the display's power management turns the screen off: whether it is on now, and a signal
// when that changes. Without X11 or the extension it is never on. A display found powered
// down with no screen saver running sends no event when it comes back, so it is asked
// again once a minute until it is on.
class X11ScreenSaver : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11ScreenSaver(QObject* parent = nullptr);
    ~X11ScreenSaver() override;

    bool active() const { return active_; }

signals:
    void activeChanged(bool active);

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void set(bool active);
    // The screen saver's state and the display's power level, asked now.
    bool askActive() const;

    int notifyEvent_ = -1; // the extension's event number, -1 without it
    bool active_ = false;
    QTimer* powerPoll_ = nullptr;
};
