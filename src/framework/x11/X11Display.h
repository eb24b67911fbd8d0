#pragma once

#include <X11/Xlib.h>

// The X display of Qt's xcb platform; null without one (the offscreen platform of the tests,
// Wayland).
Display* x11Display();
