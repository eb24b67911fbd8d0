#include "framework/x11/X11Window.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace x11window {

void setSkipTaskbar(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display() || !window)
        return;
    Display* display = x11->display();
    const Window handle = static_cast<Window>(window->winId());
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom skipTaskbar = XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False);
    const Atom skipPager = XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False);

    // A window not yet mapped carries the state itself; a mapped one asks the window manager.
    Atom atoms[] = {skipTaskbar, skipPager};
    XChangeProperty(display, handle, state, XA_ATOM, 32, PropModeAppend,
                    reinterpret_cast<unsigned char*>(atoms), 2);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = handle;
    event.xclient.message_type = state;
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
    event.xclient.data.l[1] = static_cast<long>(skipTaskbar);
    event.xclient.data.l[2] = static_cast<long>(skipPager);
    event.xclient.data.l[3] = 1; // a normal application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace x11window
