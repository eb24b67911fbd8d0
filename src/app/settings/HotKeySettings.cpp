#include "app/settings/HotKeySettings.h"

#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/SettingsWriter.h"

namespace hotkeysettings {

const SettingKey& keyOf(hotkeys::Slot slot) {
    switch (slot) {
    case hotkeys::Slot::Open:
        return settings::hotkey::open;
    case hotkeys::Slot::Close:
        return settings::hotkey::close;
    case hotkeys::Slot::Next:
        return settings::hotkey::next;
    case hotkeys::Slot::Back:
        break;
    }
    return settings::hotkey::back;
}

std::array<int, hotkeys::kSlotCount> read(const std::string& dataIniPath) {
    const SettingsReader reader(dataIniPath);
    std::array<int, hotkeys::kSlotCount> choices{};
    for (int slot = 0; slot < hotkeys::kSlotCount; ++slot)
        choices[static_cast<std::size_t>(slot)] =
            reader.integer(keyOf(static_cast<hotkeys::Slot>(slot)));
    return choices;
}

Outcome write(const std::string& dataIniPath, hotkeys::Slot slot, int choice) {
    SettingsWriter writer(dataIniPath);
    writer.integer(keyOf(slot), choice);
    return writer.save();
}

} // namespace hotkeysettings
