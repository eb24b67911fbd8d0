#pragma once

#include "app/settings/HotKeyChoices.h"

#include <QGroupBox>
#include <array>
#include <string>

class QComboBox;

// Page 5 "ショートカット": the program's entries in the desktop's start-up and menu folders,
// and the four hot-key choices, written to data.ini at every change.
class ShortcutPage : public QGroupBox {
    Q_OBJECT
public:
    ShortcutPage(const QString& title, std::string settingsDirectory);

    // The combos take the choices stored in data.ini.
    void load();
    QComboBox* combo(hotkeys::Slot slot) const { return combos_[static_cast<std::size_t>(slot)]; }

private:
    QWidget* buildStartup();
    QWidget* buildHotKeys();
    void StartUPClick();
    void StartMenuClick();
    void ShowtChange(hotkeys::Slot slot, int choice);
    std::string dataIniPath() const;

    std::string settingsDirectory_;
    std::array<QComboBox*, hotkeys::kSlotCount> combos_{};
    // What each combo last wrote, so that leaving a combo unchanged writes nothing.
    std::array<int, hotkeys::kSlotCount> written_{};
    bool loading_ = false;
};
