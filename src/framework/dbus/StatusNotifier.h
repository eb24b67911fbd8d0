#pragma once

// Whether a StatusNotifierWatcher runs on the session bus (as on KDE Plasma, GNOME with its
// AppIndicator extension and most Wayland panels). Qt makes a notification icon created now
// a StatusNotifierItem exactly then, instead of an icon in an XEmbed notification area. Such
// hosts send one "Activate" for a click, know no double-click and draw the menu themselves
// from the one exported with the item.
namespace statusnotifier {

bool watcherRunning();

} // namespace statusnotifier
