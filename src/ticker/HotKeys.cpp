#include "ticker/HotKeys.h"

#include "app/SettingKeys.h"
#include "app/SettingsReader.h"

#include <utility>

namespace {
const SettingKey* const kSlotKeys[hotkeys::kSlotCount] = {
    &settings::hotkey::open, &settings::hotkey::close, &settings::hotkey::next,
    &settings::hotkey::back};
} // namespace

HotKeys::HotKeys(std::string dataFilePath, std::array<Action, hotkeys::kSlotCount> actions,
                 std::function<void()> reportTaken)
    : dataFilePath_(std::move(dataFilePath)), actions_(std::move(actions)),
      reportTaken_(std::move(reportTaken)), keys_([this](int id) { dispatch(id); }) {}

void HotKeys::registerAll() {
    unregisterAll();
    const SettingsReader reader(dataFilePath_);
    for (int slot = 0; slot < hotkeys::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        // "none", a value outside the list and a key this keyboard lacks register nothing.
        const std::optional<std::uint32_t> keysym =
            hotkeys::keysymFor(reader.integer(*kSlotKeys[index]));
        if (!keysym)
            continue;
        if (keys_.grab(kIdentifiers[index], *keysym) == GlobalHotKeys::Grab::Taken && reportTaken_)
            reportTaken_();
    }
}

void HotKeys::unregisterAll() {
    keys_.ungrabAll();
}

void HotKeys::dispatch(int id) const {
    for (std::size_t slot = 0; slot < kIdentifiers.size(); ++slot)
        if (kIdentifiers[slot] == id && actions_[slot])
            actions_[slot]();
}
