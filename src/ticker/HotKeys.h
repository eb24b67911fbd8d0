#pragma once

#include "app/settings/HotKeyChoices.h"
#include "framework/dbus/PortalShortcuts.h"
#include "framework/x11/GlobalHotKeys.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

// The ticker's four system-wide keys: the choices stored in data.ini, registered in slot
// order, each press dispatched to its slot's action. In a Wayland session whose desktop
// portal offers global shortcuts they are bound there, under the data.ini key names, with the
// choices as proposed triggers; everywhere else (and when the portal refuses) they are
// grabbed on X.
class HotKeys {
public:
    using Action = std::function<void()>;
    // The identifier of each slot, in slot order.
    static constexpr std::array<int, hotkeys::kSlotCount> kIdentifiers{13579013, 13579014, 13579015,
                                                                       13579016};

    // `actions` in slot order: show the reader, close it, next feed, previous feed.
    // `reportTaken` is told once for each slot whose key another program holds.
    HotKeys(std::string dataFilePath, std::array<Action, hotkeys::kSlotCount> actions,
            std::function<void()> reportTaken);

    // Reads the choices anew and grabs them; what was registered before is let go first.
    void registerAll();
    void unregisterAll();

    // The action of an identifier; other identifiers do nothing.
    void dispatch(int id) const;

private:
    void grabAll(const std::array<int, hotkeys::kSlotCount>& choices);
    void bindThroughPortal(const std::array<int, hotkeys::kSlotCount>& choices);

    std::string dataFilePath_;
    std::array<Action, hotkeys::kSlotCount> actions_;
    std::function<void()> reportTaken_;
    GlobalHotKeys keys_;
    // Chosen at the first registration: the portal's session lasts as long as the program,
    // and its presses are passed on only while the keys are registered.
    enum class Route { Unasked, Portal, X };
    Route route_ = Route::Unasked;
    std::unique_ptr<PortalShortcuts> portal_;
    bool registered_ = false;
};
