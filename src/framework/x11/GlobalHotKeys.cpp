#include "framework/x11/GlobalHotKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <array>
#include <utility>

namespace {

Display* x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// Catches the errors of the requests made while it lives; the handler is process-wide, so
// it is installed only around one batch of requests and then restored.
class ScopedErrorCatcher {
public:
    explicit ScopedErrorCatcher(Display* display) : display_(display) {
        XSync(display_, False);
        failed_ = false;
        previous_ = XSetErrorHandler(&ScopedErrorCatcher::handle);
    }
    ~ScopedErrorCatcher() { XSetErrorHandler(previous_); }

    // Waits for the server's answers to everything sent so far.
    bool failed() {
        XSync(display_, False);
        return failed_;
    }

private:
    static int handle(Display*, XErrorEvent*) {
        failed_ = true;
        return 0;
    }

    Display* display_;
    XErrorHandler previous_ = nullptr;
    static inline bool failed_ = false;
};

unsigned numLockMask(Display* display) {
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    XModifierKeymap* map = XGetModifierMapping(display);
    unsigned mask = 0;
    if (map && numLock != 0) {
        for (int modifier = 0; modifier < 8 && mask == 0; ++modifier)
            for (int i = 0; i < map->max_keypermod; ++i)
                if (map->modifiermap[modifier * map->max_keypermod + i] == numLock)
                    mask = 1u << modifier;
    }
    if (map)
        XFreeModifiermap(map);
    return mask != 0 ? mask : Mod2Mask;
}

// The modifier states under which Control + key must fire: with and without the locks.
std::array<unsigned, 4> lockVariants(unsigned lockMasks) {
    const unsigned numLock = lockMasks & ~static_cast<unsigned>(LockMask);
    return {0u, static_cast<unsigned>(LockMask), numLock,
            static_cast<unsigned>(LockMask) | numLock};
}

} // namespace

GlobalHotKeys::GlobalHotKeys(std::function<void(int id)> pressed) : pressed_(std::move(pressed)) {
    if (Display* display = x11Display())
        lockMasks_ = LockMask | numLockMask(display);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installNativeEventFilter(this);
}

GlobalHotKeys::~GlobalHotKeys() {
    ungrabAll();
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

GlobalHotKeys::Grab GlobalHotKeys::grab(int id, std::uint32_t keysym) {
    Display* display = x11Display();
    if (!display)
        return Grab::NoDisplay;
    const KeyCode keycode = XKeysymToKeycode(display, keysym);
    if (keycode == 0)
        return Grab::NoSuchKey;

    // Grabbing again what this program holds would only replace its own grab.
    for (const Grabbed& key : grabbed_)
        if (key.keycode == keycode)
            return Grab::Taken;

    const Window root = DefaultRootWindow(display);
    const std::array<unsigned, 4> variants = lockVariants(lockMasks_);
    ScopedErrorCatcher errors(display);
    for (const unsigned lock : variants)
        XGrabKey(display, keycode, ControlMask | lock, root, True, GrabModeAsync, GrabModeAsync);
    if (errors.failed()) {
        // Some variants may have been granted before one was refused: give them all back.
        for (const unsigned lock : variants)
            XUngrabKey(display, keycode, ControlMask | lock, root);
        errors.failed();
        return Grab::Taken;
    }
    grabbed_.push_back({keycode, id});
    return Grab::Done;
}

void GlobalHotKeys::ungrabAll() {
    Display* display = x11Display();
    if (display && !grabbed_.empty()) {
        const Window root = DefaultRootWindow(display);
        ScopedErrorCatcher errors(display);
        for (const Grabbed& key : grabbed_)
            for (const unsigned lock : lockVariants(lockMasks_))
                XUngrabKey(display, key.keycode, ControlMask | lock, root);
        errors.failed();
    }
    grabbed_.clear();
}

bool GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (grabbed_.empty() || eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    const unsigned modifiers =
        press->state & ~lockMasks_ & (ShiftMask | ControlMask | Mod1Mask | Mod4Mask);
    if (modifiers != ControlMask)
        return false;
    for (const Grabbed& key : grabbed_) {
        if (key.keycode == press->detail) {
            pressed_(key.id);
            return true;
        }
    }
    return false;
}
