#include "ticker/SignSleep.h"

#include "LightStr/TLightStr.h"
#include "framework/dbus/SessionScreenSaver.h"
#include "framework/x11/X11ScreenSaver.h"
#include "framework/x11/X11WindowVisibility.h"

#include <QWidget>

SignSleep::SignSleep(TLightStr& sign, QWidget& window, std::function<void(bool asleep)> changed)
    : QObject(&window), sign_(sign), changed_(std::move(changed)),
      session_(new SessionScreenSaver(this)), display_(new X11ScreenSaver(this)),
      window_(new X11WindowVisibility(window, this)) {
    connect(session_, &SessionScreenSaver::activeChanged, this, &SignSleep::update);
    connect(display_, &X11ScreenSaver::activeChanged, this, &SignSleep::update);
    connect(window_, &X11WindowVisibility::seenChanged, this, &SignSleep::update);
    update();
}

void SignSleep::update() {
    const bool asleep = session_->active() || display_->active() || !window_->seen();
    if (asleep == sign_.Asleep())
        return;
    sign_.setAsleep(asleep);
    if (changed_)
        changed_(asleep);
}
