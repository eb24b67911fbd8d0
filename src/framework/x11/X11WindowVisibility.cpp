#include "framework/x11/X11WindowVisibility.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// X11 after Qt: its macros would clash with Qt's names.
#include "framework/x11/X11Display.h"
#include "framework/x11/X11Properties.h"
#include "framework/x11/X11StackCover.h"

#include <X11/Xatom.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Adds events to what this program already receives from a window.
void selectMore(Display* display, Window window, long mask) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes))
        XSelectInput(display, window, attributes.your_event_mask | mask);
}

constexpr unsigned long kAllDesktops = 0xFFFFFFFFul;

} // namespace

X11WindowVisibility::X11WindowVisibility(QWidget& window, QObject* parent)
    : QObject(parent), window_(window), stack_(std::make_unique<X11StackCover>()) {
    Display* display = x11Display();
    if (!display)
        return;
    root_ = DefaultRootWindow(display);
    wmState_ = XInternAtom(display, "_NET_WM_STATE", False);
    hiddenState_ = XInternAtom(display, "_NET_WM_STATE_HIDDEN", False);
    windowDesktop_ = XInternAtom(display, "_NET_WM_DESKTOP", False);
    currentDesktop_ = XInternAtom(display, "_NET_CURRENT_DESKTOP", False);
    selectMore(display, root_, PropertyChangeMask);
    window_.installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
    attach();
}

X11WindowVisibility::~X11WindowVisibility() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool X11WindowVisibility::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ &&
        (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show))
        attach();
    return false;
}

void X11WindowVisibility::selectEvents() const {
    if (Display* display = x11Display(); display && handle_ != 0)
        selectMore(display, handle_,
                   VisibilityChangeMask | StructureNotifyMask | PropertyChangeMask);
}

void X11WindowVisibility::attach() {
    Display* display = x11Display();
    const unsigned long handle = window_.internalWinId();
    if (!display)
        return;
    if (handle == handle_)
        return;
    handle_ = handle;
    obscured_ = false;
    mapped_ = false;
    if (handle_ != 0) {
        selectEvents();
        XWindowAttributes attributes{};
        mapped_ = XGetWindowAttributes(display, handle_, &attributes) &&
                  attributes.map_state == IsViewable;
        readMinimised();
        readWorkspaces();
    }
    stack_->setWindow(handle_);
    checkStackSoon();
    update();
}

void X11WindowVisibility::checkStackSoon() {
    if (stackCheckQueued_)
        return;
    stackCheckQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        stackCheckQueued_ = false;
        stack_->update();
        update();
    });
}

void X11WindowVisibility::readMinimised() {
    const std::vector<unsigned long> states =
        x11props::values(x11Display(), handle_, wmState_, XA_ATOM);
    minimised_ = std::find(states.begin(), states.end(), hiddenState_) != states.end();
}

void X11WindowVisibility::readWorkspaces() {
    Display* display = x11Display();
    const std::optional<unsigned long> own = x11props::cardinal(display, handle_, windowDesktop_);
    const std::optional<unsigned long> current =
        x11props::cardinal(display, root_, currentDesktop_);
    elsewhere_ = own && current && *own != kAllDesktops && *own != *current;
}

bool X11WindowVisibility::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (handle_ == 0 || eventType != "xcb_generic_event_t")
        return false;
    if (stack_->concerns(message))
        checkStackSoon();
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_VISIBILITY_NOTIFY: {
        const auto* visibility = reinterpret_cast<const xcb_visibility_notify_event_t*>(event);
        if (visibility->window != handle_)
            return false;
        obscured_ = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
        break;
    }
    case XCB_MAP_NOTIFY:
        if (reinterpret_cast<const xcb_map_notify_event_t*>(event)->window != handle_)
            return false;
        // Setting a window's flags (a border or keep-above change) gives the same native
        // window Qt's own event mask; the window is mapped again, or its state changes.
        selectEvents();
        mapped_ = true;
        break;
    case XCB_UNMAP_NOTIFY:
        if (reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window != handle_)
            return false;
        mapped_ = false;
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->window == handle_ && property->atom == wmState_) {
            selectEvents();
            readMinimised();
        } else if ((property->window == handle_ && property->atom == windowDesktop_) ||
                   (property->window == root_ && property->atom == currentDesktop_))
            readWorkspaces();
        else
            return false;
        break;
    }
    default:
        return false;
    }
    update();
    return false;
}

void X11WindowVisibility::update() {
    const bool seen = mapped_ && !obscured_ && !stack_->covered() && !minimised_ && !elsewhere_;
    if (seen == seen_)
        return;
    seen_ = seen;
    emit seenChanged(seen);
}
