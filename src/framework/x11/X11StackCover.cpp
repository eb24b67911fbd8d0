#include "framework/x11/X11StackCover.h"

#include <QRect>
#include <QRegion>

// X11 after Qt: its macros would clash with Qt's names.
#include "framework/x11/X11Display.h"
#include "framework/x11/X11Properties.h"

#include <X11/Xatom.h>
#include <X11/extensions/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr unsigned long kAllDesktops = 0xFFFFFFFFul;
constexpr unsigned long kOpaque = 0xFFFFFFFFul;

// Where a window lies, in root coordinates, for the size its attributes give.
std::optional<QRect> rootRect(Display* display, Window root, Window window,
                              const XWindowAttributes& attributes) {
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child))
        return std::nullopt;
    return QRect(x, y, attributes.width, attributes.height);
}

// A window with an alpha channel may be translucent anywhere.
bool opaqueAndShown(const XWindowAttributes& attributes) {
    return attributes.map_state == IsViewable && attributes.c_class == InputOutput &&
           attributes.depth != 32;
}

bool shaped(Display* display, Window window) {
    int eventBase = 0;
    int errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase))
        return false;
    Bool bounding = False;
    Bool clip = False;
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned w = 0, h = 0, cw = 0, ch = 0;
    return XShapeQueryExtents(display, window, &bounding, &x, &y, &w, &h, &clip, &cx, &cy, &cw,
                              &ch) &&
           bounding;
}

} // namespace

X11StackCover::X11StackCover() {
    Display* display = x11Display();
    if (!display)
        return;
    root_ = DefaultRootWindow(display);
    stacking_ = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    currentDesktop_ = XInternAtom(display, "_NET_CURRENT_DESKTOP", False);
    windowDesktop_ = XInternAtom(display, "_NET_WM_DESKTOP", False);
    wmState_ = XInternAtom(display, "_NET_WM_STATE", False);
    hiddenState_ = XInternAtom(display, "_NET_WM_STATE_HIDDEN", False);
    opacity_ = XInternAtom(display, "_NET_WM_WINDOW_OPACITY", False);
    frameExtents_ = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    // The frames' moves, maps and unmaps, and the stacking order, come from the root window.
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, root_, &attributes))
        XSelectInput(display, root_,
                     attributes.your_event_mask | PropertyChangeMask | SubstructureNotifyMask);
}

void X11StackCover::setWindow(unsigned long window) {
    window_ = window;
}

bool X11StackCover::concerns(const void* message) const {
    if (root_ == 0 || window_ == 0)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto ours = [this](xcb_window_t window) {
        return window == root_ || window == window_ || watched_.contains(window);
    };
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (property->window == root_)
            return property->atom == stacking_ || property->atom == currentDesktop_;
        return ours(property->window) &&
               (property->atom == wmState_ || property->atom == windowDesktop_ ||
                property->atom == opacity_ || property->atom == frameExtents_);
    }
    case XCB_CONFIGURE_NOTIFY:
        return ours(reinterpret_cast<const xcb_configure_notify_event_t*>(event)->event);
    case XCB_MAP_NOTIFY:
        return ours(reinterpret_cast<const xcb_map_notify_event_t*>(event)->event);
    case XCB_UNMAP_NOTIFY:
        return ours(reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->event);
    case XCB_DESTROY_NOTIFY:
        return ours(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->event);
    default:
        return false;
    }
}

void X11StackCover::update() {
    covered_ = false;
    Display* display = x11Display();
    if (!display || window_ == 0)
        return;
    const std::vector<unsigned long> stacking =
        x11props::values(display, root_, stacking_, XA_WINDOW); // bottom first
    const auto own = std::find(stacking.begin(), stacking.end(), window_);
    if (own == stacking.end()) {
        watch({});
        return;
    }
    const std::vector<unsigned long> above(own + 1, stacking.end());
    watch(std::set<unsigned long>(above.begin(), above.end()));

    XWindowAttributes attributes{};
    XWindowAttributes screen{};
    if (!XGetWindowAttributes(display, window_, &attributes) ||
        !XGetWindowAttributes(display, root_, &screen))
        return;
    const std::optional<QRect> sign = rootRect(display, root_, window_, attributes);
    if (!sign)
        return;
    QRegion visible = QRegion(*sign) & QRect(0, 0, screen.width, screen.height);
    // A sign off the screen is not judged here.
    if (visible.isEmpty())
        return;
    const std::optional<unsigned long> desktop =
        x11props::cardinal(display, window_, windowDesktop_);
    for (const unsigned long window : above) {
        if (!XGetWindowAttributes(display, window, &attributes) || !opaqueAndShown(attributes) ||
            !hides(window, desktop))
            continue;
        const std::optional<QRect> other = rootRect(display, root_, window, attributes);
        if (!other)
            continue;
        // The frame: left, right, top, bottom.
        const std::vector<unsigned long> frame =
            x11props::values(display, window, frameExtents_, XA_CARDINAL);
        QRect rect = *other;
        if (frame.size() == 4)
            rect.adjust(-int(frame[0]), -int(frame[2]), int(frame[1]), int(frame[3]));
        visible -= rect;
        if (visible.isEmpty()) {
            covered_ = true;
            return;
        }
    }
}

bool X11StackCover::hides(unsigned long window, std::optional<unsigned long> ownDesktop) const {
    Display* display = x11Display();
    const std::optional<unsigned long> opacity = x11props::cardinal(display, window, opacity_);
    if (opacity && *opacity != kOpaque)
        return false;
    const std::vector<unsigned long> states = x11props::values(display, window, wmState_, XA_ATOM);
    if (std::find(states.begin(), states.end(), hiddenState_) != states.end())
        return false;
    const std::optional<unsigned long> desktop =
        x11props::cardinal(display, window, windowDesktop_);
    if (ownDesktop && desktop && *desktop != kAllDesktops && *ownDesktop != kAllDesktops &&
        *desktop != *ownDesktop)
        return false;
    return !shaped(display, window);
}

void X11StackCover::watch(const std::set<unsigned long>& windows) {
    Display* display = x11Display();
    for (const unsigned long window : windows) {
        if (watched_.contains(window))
            continue;
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, window, &attributes))
            XSelectInput(display, window,
                         attributes.your_event_mask | StructureNotifyMask | PropertyChangeMask);
    }
    // Those gone keep what was asked of them; a destroyed window takes it along.
    watched_ = windows;
}
