#pragma once

#include "framework/x11/DockEdge.h"

// A screen rectangle by its edges, right and bottom exclusive, as the work area is given.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int left = 0;
    int top = 0;
    bool operator==(const ScreenPoint&) const = default;
};

enum class Corner { TopLeft, BottomLeft, TopRight, BottomRight };

// Where the window modes put the ticker, from the work area and the window's bounds alone.
namespace tickerplacement {

// The edge of always-show mode: left or right for a vertical sign, top or bottom for a
// horizontal one; `firstEdge` is the options' top/left choice.
DockEdge dockEdge(bool vertical, bool firstEdge);

// The strip asked for on entering always-show mode, for a window of `width` x `height`.
ScreenRect proposedStrip(DockEdge edge, const ScreenRect& workArea, int width, int height);

// Whether the work area has given up the strip the window lies on.
bool workAreaExcludes(DockEdge edge, const ScreenRect& workArea, const ScreenRect& window);

// A borderless window placed again once the work area no longer holds the strip: it spans
// the work area along its edge.
ScreenRect afterReservation(DockEdge edge, const ScreenRect& workArea, const ScreenRect& window);

// Top-left of a window of `width` x `height` moved to a corner. The top-left corner is the
// screen's origin itself, not the work area's.
ScreenPoint corner(Corner corner, const ScreenRect& workArea, int width, int height);

} // namespace tickerplacement
