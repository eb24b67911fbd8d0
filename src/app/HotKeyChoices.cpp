#include "app/HotKeyChoices.h"

namespace hotkeys {

namespace {

// X keysyms (X11/keysymdef.h), spelled as numbers so that no X11 header leaves the framework.
constexpr std::uint32_t kMuhenkan = 0xff22;
constexpr std::uint32_t kSpace = 0x0020;
constexpr std::uint32_t kInsert = 0xff63;
constexpr std::uint32_t kDelete = 0xffff;
constexpr std::uint32_t kPrior = 0xff55;
constexpr std::uint32_t kNext = 0xff56;
constexpr std::uint32_t kHome = 0xff50;
constexpr std::uint32_t kEnd = 0xff57;
constexpr std::uint32_t kBackSpace = 0xff08;
constexpr std::uint32_t kUp = 0xff52;
constexpr std::uint32_t kLeft = 0xff51;
constexpr std::uint32_t kRight = 0xff53;
constexpr std::uint32_t kDown = 0xff54;
constexpr std::uint32_t kTab = 0xff09;
constexpr std::uint32_t kF1 = 0xffbe;

constexpr std::array<HotKeyChoice, kChoiceCount> kChoices{{
    {"なし", 0, 0},
    {"ctrl + 無変換", 0x1D, kMuhenkan},
    {"ctrl + スペース", 0x20, kSpace},
    {"ctrl + Insert", 0x2D, kInsert},
    {"ctrl + Delete", 0x2E, kDelete},
    {"ctrl + PageUp", 0x21, kPrior},
    {"ctrl + PageDown", 0x22, kNext},
    {"ctrl + Home", 0x24, kHome},
    {"ctrl + End", 0x23, kEnd},
    {"ctrl + BackSpace", 0x08, kBackSpace},
    {"ctrl + ↑", 0x26, kUp},
    {"ctrl + ←", 0x25, kLeft},
    {"ctrl + →", 0x27, kRight},
    {"ctrl + ↓", 0x28, kDown},
    {"ctrl + tab", 0x09, kTab},
    {"ctrl + F1", 0x70, kF1 + 0},
    {"ctrl + F2", 0x71, kF1 + 1},
    {"ctrl + F3", 0x72, kF1 + 2},
    {"ctrl + F4", 0x73, kF1 + 3},
    {"ctrl + F5", 0x74, kF1 + 4},
    {"ctrl + F6", 0x75, kF1 + 5},
    {"ctrl + F7", 0x76, kF1 + 6},
    {"ctrl + F8", 0x77, kF1 + 7},
    {"ctrl + F9", 0x78, kF1 + 8},
    {"ctrl + F10", 0x79, kF1 + 9},
    {"ctrl + F11", 0x7A, kF1 + 10},
    {"ctrl + F12", 0x7B, kF1 + 11},
}};

} // namespace

const std::array<HotKeyChoice, kChoiceCount>& choices() {
    return kChoices;
}

std::optional<std::uint32_t> keysymFor(int choice) {
    if (choice <= 0 || choice >= kChoiceCount) {
        return std::nullopt;
    }
    return kChoices[static_cast<std::size_t>(choice)].keysym;
}

int indexOfText(std::string_view text) {
    for (int i = 0; i < kChoiceCount; ++i) {
        if (kChoices[static_cast<std::size_t>(i)].text == text) {
            return i;
        }
    }
    return -1;
}

} // namespace hotkeys
