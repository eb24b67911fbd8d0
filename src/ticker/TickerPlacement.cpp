#include "ticker/TickerPlacement.h"

namespace tickerplacement {

DockEdge dockEdge(bool vertical, bool firstEdge) {
    if (vertical)
        return firstEdge ? DockEdge::Left : DockEdge::Right;
    return firstEdge ? DockEdge::Top : DockEdge::Bottom;
}

ScreenRect proposedStrip(DockEdge edge, const ScreenRect& w, int width, int height) {
    switch (edge) {
    case DockEdge::Left:
        return {w.left, w.top, w.left + width, w.bottom};
    case DockEdge::Right:
        return {w.right - width, w.top, w.right, w.bottom};
    case DockEdge::Top:
        return {w.left, w.top, w.right, w.top + height};
    case DockEdge::Bottom:
        break;
    }
    return {w.left, w.bottom - height, w.right, w.bottom};
}

bool workAreaExcludes(DockEdge edge, const ScreenRect& w, const ScreenRect& window) {
    switch (edge) {
    case DockEdge::Left:
        return w.left >= window.right;
    case DockEdge::Right:
        return w.right <= window.left;
    case DockEdge::Top:
        return w.top >= window.bottom;
    case DockEdge::Bottom:
        break;
    }
    return w.bottom <= window.top;
}

ScreenRect afterReservation(DockEdge edge, const ScreenRect& w, const ScreenRect& window) {
    switch (edge) {
    case DockEdge::Left:
        return {0, 0, window.width(), w.height()};
    case DockEdge::Right:
        return {w.right, 0, w.right + window.width(), w.height()};
    case DockEdge::Top:
        return {0, 0, w.width(), window.height()};
    case DockEdge::Bottom:
        break;
    }
    return {0, w.bottom, w.width(), w.bottom + window.height()};
}

ScreenPoint corner(Corner corner, const ScreenRect& w, int width, int height) {
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    return {right ? w.right - width : 0, bottom ? w.bottom - height : 0};
}

} // namespace tickerplacement
