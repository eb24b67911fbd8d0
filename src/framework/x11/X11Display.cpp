#include <QGuiApplication>

// X11 after Qt: its macros would clash with Qt's names.
#include "framework/x11/X11Display.h"

Display* x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}
