#include "options/ShortcutPage.h"

#include "app/settings/HotKeySettings.h"
#include "app/settings/SettingKeys.h"
#include "framework/files/DesktopEntry.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {
const char* const kSlotLabels[] = {QT_TRANSLATE_NOOP("ShortcutPage", "ブラウザ表示"),
                                   QT_TRANSLATE_NOOP("ShortcutPage", "ブラウザ消去"),
                                   QT_TRANSLATE_NOOP("ShortcutPage", "ニュース次へ"),
                                   QT_TRANSLATE_NOOP("ShortcutPage", "ニュース前へ")};
const char* const kSlotNames[] = {"Showt1", "Showt2", "Showt3", "Showt4"};
} // namespace

ShortcutPage::ShortcutPage(const QString& title, std::string settingsDirectory)
    : QGroupBox(title), settingsDirectory_(std::move(settingsDirectory)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStartup());
    layout->addWidget(buildHotKeys());
    layout->addStretch();
}

QWidget* ShortcutPage::buildStartup() {
    auto* group = new QGroupBox(tr("スタートアップ"), this);
    auto* row = new QHBoxLayout(group);
    auto* startUp = new QPushButton(tr("スタートアップに登録"), group);
    startUp->setObjectName(QStringLiteral("StartUP"));
    auto* startMenu = new QPushButton(tr("「スタート」に登録"), group);
    startMenu->setObjectName(QStringLiteral("StartMenu"));
    row->addWidget(startUp);
    row->addWidget(startMenu);
    row->addStretch();
    connect(startUp, &QPushButton::clicked, this, &ShortcutPage::StartUPClick);
    connect(startMenu, &QPushButton::clicked, this, &ShortcutPage::StartMenuClick);
    return group;
}

QWidget* ShortcutPage::buildHotKeys() {
    auto* group = new QGroupBox(tr("ショートカットキー"), this);
    auto* form = new QFormLayout(group);
    for (int slot = 0; slot < hotkeys::kSlotCount; ++slot) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(QString::fromLatin1(kSlotNames[slot]));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const HotKeyChoice& choice : hotkeys::choices())
            combo->addItem(QCoreApplication::translate("HotKeyChoices", choice.text.data()));
        const QString label = tr(kSlotLabels[slot]);
        combo->setAccessibleName(label);
        form->addRow(label, combo);
        combos_[static_cast<std::size_t>(slot)] = combo;

        const auto which = static_cast<hotkeys::Slot>(slot);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, which](int index) {
            if (index >= 0)
                ShowtChange(which, index);
        });
        // Typed text counts when the typing is done, not at every key.
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, which, combo] {
            // The items' texts are translated: the typed text is looked up among them.
            ShowtChange(which, combo->findText(combo->currentText(),
                                               Qt::MatchFixedString | Qt::MatchCaseSensitive));
        });
    }
    return group;
}

std::string ShortcutPage::dataIniPath() const {
    return settingsDirectory_ + std::string(settings::kDataFileName);
}

void ShortcutPage::load() {
    loading_ = true;
    const auto stored = hotkeysettings::read(dataIniPath());
    for (std::size_t slot = 0; slot < combos_.size(); ++slot) {
        const int choice = stored[slot];
        const bool known = choice >= 0 && choice < hotkeys::kChoiceCount;
        combos_[slot]->setCurrentIndex(known ? choice : -1);
        if (!known)
            combos_[slot]->setEditText(QString());
        written_[slot] = known ? choice : -1; // what the shown text stands for
    }
    loading_ = false;
}

void ShortcutPage::ShowtChange(hotkeys::Slot slot, int choice) {
    const auto index = static_cast<std::size_t>(slot);
    if (loading_ || written_[index] == choice)
        return;
    written_[index] = choice;
    const Outcome written = hotkeysettings::write(dataIniPath(), slot, choice);
    if (!written.ok()) {
        messagebox::error(window(), written.error);
        return;
    }
    messagebox::notice(window(),
                       utf8::fromQString(tr("設定変更しました。次回起動時より有効になります")));
}

namespace {
void registerEntry(QWidget* parent, const std::string& folder, const QString& confirmation) {
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    const std::string directory = QCoreApplication::applicationDirPath().toStdString() + "/";
    const Outcome written = desktopentry::write(folder, program, directory);
    if (!written.ok()) {
        messagebox::error(parent, written.error);
        return;
    }
    messagebox::information(parent, utf8::fromQString(confirmation));
}
} // namespace

void ShortcutPage::StartUPClick() {
    registerEntry(window(), desktopentry::autostartFolder(), tr("スタートアップに登録しました"));
}

void ShortcutPage::StartMenuClick() {
    registerEntry(window(), desktopentry::applicationsFolder(),
                  tr("スタートに登録しました。\r\nXpは「全てのプログラム 」の中です。"));
}
