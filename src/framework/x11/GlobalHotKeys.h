#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// System-wide keys: Control plus one key, grabbed on the X root window so that they fire
// whichever window has the focus. A press reaches `pressed` with the identifier the key was
// grabbed under. Without X11 (the offscreen platform of the tests) nothing is grabbed.
class GlobalHotKeys : public QAbstractNativeEventFilter {
public:
    enum class Grab {
        Done,
        Taken,     // another program holds the combination
        NoSuchKey, // this keyboard map has no key for the symbol
        NoDisplay, // no X server
    };

    explicit GlobalHotKeys(std::function<void(int id)> pressed);
    ~GlobalHotKeys() override;
    GlobalHotKeys(const GlobalHotKeys&) = delete;
    GlobalHotKeys& operator=(const GlobalHotKeys&) = delete;

    // Control + the key of an X keysym, with and without the lock modifiers.
    Grab grab(int id, std::uint32_t keysym);
    void ungrabAll();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grabbed {
        unsigned keycode;
        int id;
    };
    std::function<void(int id)> pressed_;
    std::vector<Grabbed> grabbed_;
    unsigned lockMasks_ = 0; // CapsLock and NumLock, ignored in incoming presses
};
