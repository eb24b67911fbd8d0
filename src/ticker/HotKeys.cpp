#include "ticker/HotKeys.h"

#include "app/settings/HotKeySettings.h"
#include "app/settings/SettingKey.h"

#include <QCoreApplication>
#include <utility>

namespace {
// The portal knows each key by its data.ini name.
QString shortcutId(std::size_t slot) {
    return QLatin1String(hotkeysettings::keyOf(static_cast<hotkeys::Slot>(slot)).name);
}
} // namespace

HotKeys::HotKeys(std::string dataFilePath, std::array<Action, hotkeys::kSlotCount> actions,
                 std::function<void()> reportTaken)
    : dataFilePath_(std::move(dataFilePath)), actions_(std::move(actions)),
      reportTaken_(std::move(reportTaken)), keys_([this](int id) { dispatch(id); }) {}

void HotKeys::registerAll() {
    unregisterAll();
    registered_ = true;
    const std::array<int, hotkeys::kSlotCount> choices = hotkeysettings::read(dataFilePath_);
    if (route_ == Route::Unasked) {
        portal_ = PortalShortcuts::open(
            [this](const QString& id) {
                for (std::size_t slot = 0; slot < kIdentifiers.size(); ++slot)
                    if (route_ == Route::Portal && registered_ && id == shortcutId(slot))
                        dispatch(kIdentifiers[slot]);
            },
            [this] {
                // The desktop refused: the keys work at least while one of our windows has
                // the focus.
                route_ = Route::X;
                if (registered_)
                    grabAll(hotkeysettings::read(dataFilePath_));
            });
        route_ = portal_ ? Route::Portal : Route::X;
        if (portal_)
            bindThroughPortal(choices);
    }
    if (route_ == Route::X)
        grabAll(choices);
}

void HotKeys::grabAll(const std::array<int, hotkeys::kSlotCount>& choices) {
    for (std::size_t slot = 0; slot < choices.size(); ++slot) {
        // "none", a value outside the list and a key this keyboard lacks register nothing.
        const std::optional<std::uint32_t> keysym = hotkeys::keysymFor(choices[slot]);
        if (!keysym)
            continue;
        if (keys_.grab(kIdentifiers[slot], *keysym) == GlobalHotKeys::Grab::Taken && reportTaken_)
            reportTaken_();
    }
}

void HotKeys::bindThroughPortal(const std::array<int, hotkeys::kSlotCount>& choices) {
    static const char* const kDescriptions[hotkeys::kSlotCount] = {
        QT_TRANSLATE_NOOP("HotKeys", "ニュースリーダーを表示"),
        QT_TRANSLATE_NOOP("HotKeys", "ニュースリーダーを閉じる"),
        QT_TRANSLATE_NOOP("HotKeys", "次のニュースへ"),
        QT_TRANSLATE_NOOP("HotKeys", "前のニュースへ")};
    std::vector<PortalShortcuts::Shortcut> shortcuts;
    for (std::size_t slot = 0; slot < choices.size(); ++slot) {
        const std::optional<std::string> trigger = hotkeys::triggerFor(choices[slot]);
        shortcuts.push_back({shortcutId(slot),
                             QCoreApplication::translate("HotKeys", kDescriptions[slot]),
                             trigger ? QString::fromStdString(*trigger) : QString()});
    }
    portal_->bind(std::move(shortcuts));
}

void HotKeys::unregisterAll() {
    registered_ = false;
    keys_.ungrabAll();
}

void HotKeys::dispatch(int id) const {
    for (std::size_t slot = 0; slot < kIdentifiers.size(); ++slot)
        if (kIdentifiers[slot] == id && actions_[slot])
            actions_[slot]();
}
