#pragma once

#include "app/settings/HotKeyChoices.h"
#include "framework/files/Outcome.h"

#include <array>
#include <string>

struct SettingKey;

// The four hot-key choices in data.ini, section HotKey, one integer per slot.
namespace hotkeysettings {

const SettingKey& keyOf(hotkeys::Slot slot);

// The stored choices in slot order, with the defaults for missing keys; values outside
// 0 ... 26 are returned as stored.
std::array<int, hotkeys::kSlotCount> read(const std::string& dataIniPath);

// Writes one slot's choice; the file is created when missing. On failure the message
// "<full path> に書き込めません".
Outcome write(const std::string& dataIniPath, hotkeys::Slot slot, int choice);

} // namespace hotkeysettings
