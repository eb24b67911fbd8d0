#pragma once

#include "app/HotKeyChoices.h"
#include "framework/GlobalHotKeys.h"

#include <array>
#include <functional>
#include <string>

// The ticker's four system-wide keys: the choices stored in data.ini, registered in slot
// order, each press dispatched to its slot's action.
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
    std::string dataFilePath_;
    std::array<Action, hotkeys::kSlotCount> actions_;
    std::function<void()> reportTaken_;
    GlobalHotKeys keys_;
};
