#include "framework/x11/DockStrip.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <X11/Xutil.h>

#include <array>
#include <chrono>
#include <thread>

namespace {

// Qt's xcb platform writes _NET_WM_WINDOW_TYPE from this property whenever it maps the
// window; 4 is its "dock" type.
constexpr const char* kQtWindowTypeProperty = "_q_xcb_wm_window_type";
constexpr int kQtDockType = 0x4;

Display* x11Display() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

QByteArray windowType(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QByteArray atoms;
    if (XGetWindowProperty(display, window, atom(display, "_NET_WM_WINDOW_TYPE"), 0, 32, False,
                           XA_ATOM, &type, &format, &count, &remaining, &data) == Success &&
        data) {
        if (format == 32)
            atoms = QByteArray(reinterpret_cast<const char*>(data),
                               static_cast<int>(count * sizeof(Atom)));
        XFree(data);
    }
    return atoms;
}

// The four strut widths and the twelve values of the partial strut, measured from the
// edges of the whole X screen.
std::array<long, 12> strutFor(DockEdge edge, const QRect& strip, int rootWidth, int rootHeight) {
    std::array<long, 12> strut{};
    const long lastX = strip.right();
    const long lastY = strip.bottom();
    switch (edge) {
    case DockEdge::Left:
        strut[0] = strip.x() + strip.width();
        strut[4] = strip.y();
        strut[5] = lastY;
        break;
    case DockEdge::Right:
        strut[1] = rootWidth - strip.x();
        strut[6] = strip.y();
        strut[7] = lastY;
        break;
    case DockEdge::Top:
        strut[2] = strip.y() + strip.height();
        strut[8] = strip.x();
        strut[9] = lastX;
        break;
    case DockEdge::Bottom:
        strut[3] = rootHeight - strip.y();
        strut[10] = strip.x();
        strut[11] = lastX;
        break;
    }
    return strut;
}

// Waits, briefly, until the window manager has let go of a withdrawn window: it clears the
// window's states then, and would clear them after the window is shown again.
void waitUntilWithdrawn(Display* display, Window window) {
    const Atom wmState = atom(display, "WM_STATE");
    for (int attempt = 0; attempt < 50; ++attempt) {
        XSync(display, False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const bool read = XGetWindowProperty(display, window, wmState, 0, 1, False, wmState, &type,
                                             &format, &count, &remaining, &data) == Success;
        const bool managed = read && data && count == 1 && format == 32 &&
                             *reinterpret_cast<const long*>(data) != WithdrawnState;
        if (data)
            XFree(data);
        if (!managed)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
}

// The window manager reads a window's type only when the window is mapped, so a mapped
// window is withdrawn while its type changes.
template <typename Change>
void whileUnmapped(QWidget& window, Display* display, Window handle, Change change) {
    const bool visible = window.isVisible();
    if (visible) {
        window.hide();
        waitUntilWithdrawn(display, handle);
    }
    change();
    if (visible)
        window.show();
}

} // namespace

void DockStrip::reserve(DockEdge edge, const QRect& strip) {
    Display* display = x11Display();
    if (!display) {
        reserved_ = true;
        return;
    }
    const Window handle = static_cast<Window>(window_.winId());
    if (!reserved_)
        formerType_ = windowType(display, handle);
    reserved_ = true;

    const qreal ratio = window_.devicePixelRatioF();
    const QRect pixels(qRound(strip.x() * ratio), qRound(strip.y() * ratio),
                       qRound(strip.width() * ratio), qRound(strip.height() * ratio));
    const int screen = DefaultScreen(display);
    const std::array<long, 12> strut =
        strutFor(edge, pixels, DisplayWidth(display, screen), DisplayHeight(display, screen));

    whileUnmapped(window_, display, handle, [&] {
        if (QWindow* native = window_.windowHandle())
            native->setProperty(kQtWindowTypeProperty, kQtDockType);
        Atom dock = atom(display, "_NET_WM_WINDOW_TYPE_DOCK");
        XChangeProperty(display, handle, atom(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
        XChangeProperty(display, handle, atom(display, "_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(strut.data()), 12);
        XChangeProperty(display, handle, atom(display, "_NET_WM_STRUT"), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(strut.data()), 4);
        XFlush(display);
    });
}

void DockStrip::release() {
    if (!reserved_)
        return;
    reserved_ = false;
    Display* display = x11Display();
    if (!display || !window_.testAttribute(Qt::WA_WState_Created))
        return;
    const Window handle = static_cast<Window>(window_.winId());
    whileUnmapped(window_, display, handle, [&] {
        if (QWindow* native = window_.windowHandle())
            native->setProperty(kQtWindowTypeProperty, QVariant());
        XDeleteProperty(display, handle, atom(display, "_NET_WM_STRUT_PARTIAL"));
        XDeleteProperty(display, handle, atom(display, "_NET_WM_STRUT"));
        const Atom typeAtom = atom(display, "_NET_WM_WINDOW_TYPE");
        if (formerType_.isEmpty())
            XDeleteProperty(display, handle, typeAtom);
        else
            XChangeProperty(display, handle, typeAtom, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(formerType_.constData()),
                            static_cast<int>(formerType_.size() / sizeof(Atom)));
        XFlush(display);
    });
}
