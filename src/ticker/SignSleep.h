#pragma once

#include <QObject>
#include <functional>

class QWidget;
class SessionScreenSaver;
class TLightStr;
class X11ScreenSaver;
class X11WindowVisibility;

// Puts the sign to sleep while nobody can see it: the session's or the X server's screen
// saver is on, or the ticker window is wholly covered, minimised or on another workspace.
// Asleep, the sign neither moves nor takes a rotation step; it wakes where it stopped as soon
// as it can be seen again. `changed` hears each change, to refresh feeds in the background.
class SignSleep : public QObject {
public:
    SignSleep(TLightStr& sign, QWidget& window, std::function<void(bool asleep)> changed);

private:
    void update();

    TLightStr& sign_;
    std::function<void(bool asleep)> changed_;
    SessionScreenSaver* session_;
    X11ScreenSaver* display_;
    X11WindowVisibility* window_;
};
