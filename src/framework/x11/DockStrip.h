#pragma once

#include "framework/x11/DockEdge.h"

#include <QByteArray>
#include <QRect>

class QWidget;

// Makes a window a dock that reserves a strip along one screen edge: the window manager
// keeps other windows, maximised ones included, out of the strip and shrinks the work area
// by it. Releasing gives the strip back and the window its former type. Where there is no
// X11 (the offscreen platform of the tests) it only keeps its state.
class DockStrip {
public:
    explicit DockStrip(QWidget& window) : window_(window) {}
    ~DockStrip() { release(); }
    DockStrip(const DockStrip&) = delete;
    DockStrip& operator=(const DockStrip&) = delete;

    // `strip` in screen coordinates, right and bottom exclusive.
    void reserve(DockEdge edge, const QRect& strip);
    void release();
    bool reserved() const { return reserved_; }

private:
    QWidget& window_;
    bool reserved_ = false;
    QByteArray formerType_; // the window's _NET_WM_WINDOW_TYPE before it became a dock
};
