#pragma once

class QWidget;

// Window-manager hints that Qt does not offer, for X11 desktops. Elsewhere (the offscreen
// platform of the tests, Wayland) they do nothing.
namespace x11window {

// Keeps the window off the task bar and the pager (_NET_WM_STATE_SKIP_TASKBAR).
void setSkipTaskbar(QWidget* window);

} // namespace x11window
