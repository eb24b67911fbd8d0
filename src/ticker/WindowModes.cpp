#include "ticker/WindowModes.h"

#include "LightStr/TLightStr.h"
#include "app/settings/WindowPlacement.h"

#include <QAction>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace {
constexpr int kReplacementDelayMs = 10;

QRect toQRect(const ScreenRect& r) {
    return {r.left, r.top, r.width(), r.height()};
}
} // namespace

WindowModes::WindowModes(QWidget& window, TLightStr& sign, MenuItems items, Hooks hooks)
    : QObject(&window), window_(window), sign_(sign), items_(items), hooks_(std::move(hooks)),
      strip_(window) {
    NoBorder.setSingleShot(true);
    NoBorder.setInterval(kReplacementDelayMs);
    connect(&NoBorder, &QTimer::timeout, this, &WindowModes::NoBorderTimer);
}

bool WindowModes::alwaysShow() const {
    return docked_;
}

ScreenRect WindowModes::workArea() const {
    const QScreen* screen = window_.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.x(), area.y(), area.x() + area.width(), area.y() + area.height()};
}

void WindowModes::applyWindowFlags() {
    Qt::WindowFlags flags = Qt::Tool;
    if (items_.border->isChecked())
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (items_.topmost->isChecked())
        flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = window_.isVisible();
    window_.setWindowFlags(flags);
    if (wasVisible)
        window_.show();
}

// Above-or-not changes the window's state only; the window stays mapped, and a docked
// window stays a dock.
void WindowModes::setWindowFlagsKeepingNativeWindow() {
    Qt::WindowFlags flags = window_.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, items_.topmost->isChecked());
    window_.overrideWindowFlags(flags);
    if (QWindow* native = window_.windowHandle())
        native->setFlags(flags);
}

void WindowModes::toggleBorder() {
    // A border change would drop the strip while the mode stays on.
    if (alwaysShow())
        return;
    const QSize client = window_.size();
    // The menu checks follow the window's real state, whoever calls the toggles: a menu
    // item has already flipped its own check.
    items_.border->setChecked(window_.windowFlags().testFlag(Qt::FramelessWindowHint));
    if (hooks_.nativeWindowDestroyed)
        hooks_.nativeWindowDestroyed();
    applyWindowFlags();
    window_.resize(client);
    if (hooks_.nativeWindowCreated)
        hooks_.nativeWindowCreated();
}

void WindowModes::toggleTopmost() {
    items_.topmost->setChecked(!window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setWindowFlagsKeepingNativeWindow();
}

void WindowModes::toggleAlwaysShow() {
    if (alwaysShow())
        leaveAlwaysShow();
    else
        enterAlwaysShow();
}

void WindowModes::enterAlwaysShow() {
    saved_ = windowplacement::boundsOf(window_);
    docked_ = true;
    items_.alwaysShow->setChecked(true);
    for (QAction* item : {items_.border, items_.orientation})
        item->setEnabled(false);
    for (QAction* item : items_.corners)
        item->setEnabled(false);

    const DockEdge edge = tickerplacement::dockEdge(
        sign_.Direction(), hooks_.dockAtFirstEdge && hooks_.dockAtFirstEdge());
    const ScreenRect strip =
        tickerplacement::proposedStrip(edge, workArea(), window_.width(), window_.height());
    strip_.reserve(edge, toQRect(strip));
    place(strip);
    if (!items_.border->isChecked()) {
        NoBorder.start();
        // The window manager may shrink the work area only after the first re-placement.
        if (QScreen* screen = window_.screen())
            connect(screen, &QScreen::availableGeometryChanged, this, &WindowModes::workAreaChanged,
                    Qt::UniqueConnection);
    }
}

void WindowModes::workAreaChanged() {
    if (alwaysShow() && !items_.border->isChecked())
        NoBorderTimer();
}

void WindowModes::leaveAlwaysShow() {
    NoBorder.stop();
    strip_.release();
    window_.move(saved_.left, saved_.top);
    window_.resize(saved_.width, saved_.height);
    docked_ = false;
    items_.alwaysShow->setChecked(false);
    for (QAction* item : {items_.border, items_.orientation})
        item->setEnabled(true);
    for (QAction* item : items_.corners)
        item->setEnabled(true);
}

void WindowModes::NoBorderTimer() {
    NoBorder.stop();
    if (!alwaysShow())
        return;
    const DockEdge edge = tickerplacement::dockEdge(
        sign_.Direction(), hooks_.dockAtFirstEdge && hooks_.dockAtFirstEdge());
    const ScreenRect window{window_.x(), window_.y(), window_.x() + window_.width(),
                            window_.y() + window_.height()};
    const ScreenRect work = workArea();
    // Until the window manager has taken the strip out of the work area the window stays
    // on the strip; the change of the work area places it again.
    if (tickerplacement::workAreaExcludes(edge, work, window))
        place(tickerplacement::afterReservation(edge, work, window));
}

void WindowModes::place(const ScreenRect& bounds) {
    window_.move(bounds.left, bounds.top);
    window_.resize(bounds.width(), bounds.height());
}

void WindowModes::toggleReverse() {
    sign_.setReverse(!sign_.Reverse());
}

void WindowModes::toggleOrientation() {
    if (alwaysShow())
        return;
    const bool vertical = !sign_.Direction();
    sign_.setDirection(vertical);
    window_.resize(window_.height(), window_.width());
    if (hooks_.orientationChanged)
        hooks_.orientationChanged(vertical);
}

void WindowModes::fitToSign() {
    window_.resize(sign_.width(), sign_.height());
}

void WindowModes::moveToCorner(Corner corner) {
    if (alwaysShow())
        return;
    const QSize frame = window_.frameGeometry().size();
    const ScreenPoint at =
        tickerplacement::corner(corner, workArea(), frame.width(), frame.height());
    window_.move(at.left, at.top);
}
