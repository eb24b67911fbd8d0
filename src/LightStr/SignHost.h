#pragma once

#include <QSize>

// What the sign's engine needs from the control that carries it: the control's size, its
// timer, the screen, and the place its events go to.
class SignHost {
public:
    virtual ~SignHost() = default;

    virtual QSize controlSize() const = 0;
    // Asks for a new control size; the engine reads back what it got.
    virtual void resizeControl(QSize size) = 0;

    virtual void setTimerRunning(bool running) = 0;
    virtual void setTimerInterval(unsigned milliseconds) = 0;

    // Shows the whole display buffer now.
    virtual void present() = 0;

    virtual void lineNext(int index) = 0;
    virtual void lineEof() = 0;
    virtual void showActiveChanged(bool active) = 0;
};
