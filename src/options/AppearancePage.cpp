#include "options/AppearancePage.h"

#include "app/GlowtapeSettings.h"
#include "app/SettingKeys.h"
#include "app/SettingsReader.h"
#include "ticker/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

AppearancePage::AppearancePage(const QString& title, TForm1& ticker)
    : QGroupBox(title), ticker_(ticker) {
    auto* layout = new QFormLayout(this);
    MainListBox = new QComboBox(this);
    MainListBox->addItems({QStringLiteral("title"), QStringLiteral("title　+ description")});
    DecListBox = new QComboBox(this);
    DecListBox->addItems({QStringLiteral("description"), QStringLiteral("title"),
                          QStringLiteral("link"), QStringLiteral("NewsTitle")});
    layout->addRow(QStringLiteral("電光掲示板"), MainListBox);
    layout->addRow(QStringLiteral("記述欄"), DecListBox);

    auto* placement = new QGroupBox(QStringLiteral("表示"), this);
    auto* placementLayout = new QVBoxLayout(placement);
    DecTop = new QRadioButton(QStringLiteral("上部に配置"), placement);
    DecBottom = new QRadioButton(QStringLiteral("下部に配置"), placement);
    DecBottom->setChecked(true);
    OP4 = new QCheckBox(QStringLiteral("ニュースウィンドウ起動ボタンの表示"), placement);
    placementLayout->addWidget(DecTop);
    placementLayout->addWidget(DecBottom);
    placementLayout->addWidget(OP4);
    layout->addRow(placement);
    connect(DecTop, &QRadioButton::toggled, this,
            [this](bool top) { ticker_.setDescriptionBarAtTop(top); });
    connect(OP4, &QCheckBox::toggled, this,
            [this](bool shown) { ticker_.setLaunchButtonsShown(shown); });
}

void AppearancePage::load(const SettingsReader& reader) {
    using namespace settings;
    OP4->setChecked(reader.is(option::OP4, flag::True));
    ticker_.setLaunchButtonsShown(OP4->isChecked());
    if (reader.is(option::OP15, flag::Top))
        DecTop->setChecked(true);
    MainListBox->setCurrentIndex(reader.integer(select::main));
    DecListBox->setCurrentIndex(reader.integer(select::dec));
}

int AppearancePage::MainList() const {
    return MainListBox->currentIndex();
}

int AppearancePage::DecList() const {
    return DecListBox->currentIndex();
}

void AppearancePage::collectSettings(GlowtapeSettings& settings) const {
    settings.launchButtons = OP4->isChecked();
    settings.descriptionAtTop = DecTop->isChecked();
    settings.headlineChoice = MainListBox->currentIndex();
    settings.descriptionChoice = DecListBox->currentIndex();
}
