#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The 27 hot-key choices offered by the shortcut-key combos and registered by the ticker:
// index 0 is "none", every other index is Control plus one key. The same table serves the
// combos' item texts, the stored indices of data.ini and the X11 registration.
struct HotKeyChoice {
    std::string_view text;   // the combo item, UTF-8 source text of context "HotKeyChoices"
    std::uint8_t virtualKey; // the key's Windows virtual-key code; 0 for "none"
    std::uint32_t keysym;    // the X keysym of the same key; 0 for "none"
    std::string_view
        keyName; // the keysym's name (xkbcommon), as desktop shortcut settings spell it
};

namespace hotkeys {

inline constexpr int kChoiceCount = 27;

// The four hot-key slots, in their registration order.
enum class Slot { Open, Close, Next, Back };
inline constexpr int kSlotCount = 4;

const std::array<HotKeyChoice, kChoiceCount>& choices();

// The X keysym for a stored choice, or nothing for "none" and for any value outside 0 ... 26.
std::optional<std::uint32_t> keysymFor(int choice);

// The choice as a trigger of the desktop's shortcut settings ("CTRL+F5"), or nothing for
// "none" and for any value outside 0 ... 26.
std::optional<std::string> triggerFor(int choice);

// The index of the item whose text is exactly `text` (UTF-8), or -1 when none matches.
int indexOfText(std::string_view text);

} // namespace hotkeys
