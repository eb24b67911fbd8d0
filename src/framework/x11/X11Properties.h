#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <vector>

// Reading the 32-bit window properties of the window manager's protocol.
namespace x11props {

// The values of a property of 32-bit items (cardinals, atoms, windows), empty when it is
// missing or of another type.
std::vector<unsigned long> values(Display* display, Window window, Atom property, Atom type);

// The first value of a CARDINAL property.
std::optional<unsigned long> cardinal(Display* display, Window window, Atom property);

} // namespace x11props
