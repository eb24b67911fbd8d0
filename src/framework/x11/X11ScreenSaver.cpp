#include "framework/x11/X11ScreenSaver.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

// X11 after Qt: its macros would clash with Qt's names.
#include "framework/x11/X11Display.h"

#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>
#include <xcb/xcb.h>

namespace {

bool displayPoweredDown(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    if (!DPMSQueryExtension(display, &eventBase, &errorBase) || !DPMSCapable(display))
        return false;
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    return DPMSInfo(display, &level, &enabled) && enabled && level != DPMSModeOn;
}

} // namespace

X11ScreenSaver::X11ScreenSaver(QObject* parent) : QObject(parent) {
    Display* display = x11Display();
    int eventBase = 0;
    int errorBase = 0;
    if (!display || !XScreenSaverQueryExtension(display, &eventBase, &errorBase))
        return;
    notifyEvent_ = eventBase + ScreenSaverNotify;
    XScreenSaverSelectInput(display, DefaultRootWindow(display), ScreenSaverNotifyMask);
    XFlush(display);
    powerPoll_ = new QTimer(this);
    powerPoll_->setInterval(std::chrono::minutes(1));
    connect(powerPoll_, &QTimer::timeout, this, [this] { set(askActive()); });
    set(askActive());
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool X11ScreenSaver::askActive() const {
    Display* display = x11Display();
    bool on = false;
    if (XScreenSaverInfo* info = XScreenSaverAllocInfo()) {
        if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), info))
            on = info->state == ScreenSaverOn;
        XFree(info);
    }
    return on || displayPoweredDown(display);
}

X11ScreenSaver::~X11ScreenSaver() {
    if (notifyEvent_ < 0)
        return;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
    if (Display* display = x11Display()) {
        XScreenSaverSelectInput(display, DefaultRootWindow(display), 0);
        XFlush(display);
    }
}

bool X11ScreenSaver::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != notifyEvent_)
        return false;
    // The notification's second byte is the new state: off, on or cycling.
    set(event->pad0 != ScreenSaverOff);
    return false;
}

void X11ScreenSaver::set(bool active) {
    // Asleep, the display is watched for its return whatever put it to sleep: the screen
    // saver's end is an event, the display's power coming back is not.
    if (active)
        powerPoll_->start();
    else
        powerPoll_->stop();
    if (active == active_)
        return;
    active_ = active;
    emit activeChanged(active);
}
