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
    // Shows the display buffer now, which since the last present has moved `delta` pixels
    // along the scroll axis and changed only in the strip that entered: a host can move
    // what it shows and draw that strip alone.
    virtual void presentMoved(int delta) {
        (void)delta;
        present();
    }

    virtual void lineNext(int index) = 0;
    virtual void lineEof() = 0;
    virtual void showActiveChanged(bool active) = 0;
};
