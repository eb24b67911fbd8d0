#include "framework/x11/X11ScreenSaver.h"

#include <QCoreApplication>

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
    if (XScreenSaverInfo* info = XScreenSaverAllocInfo()) {
        if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), info))
            active_ = info->state == ScreenSaverOn;
        XFree(info);
    }
    active_ = active_ || displayPoweredDown(display);
    XFlush(display);
    QCoreApplication::instance()->installNativeEventFilter(this);
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
    if (active == active_)
        return;
    active_ = active;
    emit activeChanged(active);
}
