#include "framework/x11/X11Properties.h"

#include <X11/Xatom.h>

namespace x11props {

std::vector<unsigned long> values(Display* display, Window window, Atom property, Atom type) {
    // Long enough for the stacking order of a crowded desktop.
    constexpr long kMaxItems = 8192;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    if (XGetWindowProperty(display, window, property, 0, kMaxItems, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        actualType == type && format == 32 && data) {
        // Xlib hands 32-bit items over as longs.
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        result.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return result;
}

std::optional<unsigned long> cardinal(Display* display, Window window, Atom property) {
    const std::vector<unsigned long> items = values(display, window, property, XA_CARDINAL);
    if (items.empty())
        return std::nullopt;
    return items.front();
}

} // namespace x11props
