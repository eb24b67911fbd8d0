#include "app/settings/HotKeyChoices.h"

#include <QtGlobal>

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
    {QT_TRANSLATE_NOOP("HotKeyChoices", "なし"), 0, 0, ""},
    {QT_TRANSLATE_NOOP("HotKeyChoices", "ctrl + 無変換"), 0x1D, kMuhenkan, "Muhenkan"},
    {QT_TRANSLATE_NOOP("HotKeyChoices", "ctrl + スペース"), 0x20, kSpace, "space"},
    {"ctrl + Insert", 0x2D, kInsert, "Insert"},
    {"ctrl + Delete", 0x2E, kDelete, "Delete"},
    {"ctrl + PageUp", 0x21, kPrior, "Page_Up"},
    {"ctrl + PageDown", 0x22, kNext, "Page_Down"},
    {"ctrl + Home", 0x24, kHome, "Home"},
    {"ctrl + End", 0x23, kEnd, "End"},
    {"ctrl + BackSpace", 0x08, kBackSpace, "BackSpace"},
    {"ctrl + ↑", 0x26, kUp, "Up"},
    {"ctrl + ←", 0x25, kLeft, "Left"},
    {"ctrl + →", 0x27, kRight, "Right"},
    {"ctrl + ↓", 0x28, kDown, "Down"},
    {"ctrl + tab", 0x09, kTab, "Tab"},
    {"ctrl + F1", 0x70, kF1 + 0, "F1"},
    {"ctrl + F2", 0x71, kF1 + 1, "F2"},
    {"ctrl + F3", 0x72, kF1 + 2, "F3"},
    {"ctrl + F4", 0x73, kF1 + 3, "F4"},
    {"ctrl + F5", 0x74, kF1 + 4, "F5"},
    {"ctrl + F6", 0x75, kF1 + 5, "F6"},
    {"ctrl + F7", 0x76, kF1 + 6, "F7"},
    {"ctrl + F8", 0x77, kF1 + 7, "F8"},
    {"ctrl + F9", 0x78, kF1 + 8, "F9"},
    {"ctrl + F10", 0x79, kF1 + 9, "F10"},
    {"ctrl + F11", 0x7A, kF1 + 10, "F11"},
    {"ctrl + F12", 0x7B, kF1 + 11, "F12"},
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

std::optional<std::string> triggerFor(int choice) {
    if (choice <= 0 || choice >= kChoiceCount) {
        return std::nullopt;
    }
    return "CTRL+" + std::string(kChoices[static_cast<std::size_t>(choice)].keyName);
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
