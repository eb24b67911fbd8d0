#include "options/PluginPage.h"

#include "app/settings/SettingKeys.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "options/ColourSwatch.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

PluginPage::PluginPage(const QString& title, PluginSettings settings)
    : QGroupBox(title), settings_(std::move(settings)) {
    auto* layout = new QVBoxLayout(this);
    auto* note =
        new QLabel(tr("インストールを行うと、タスクバー、インターネットエクスプローラーに組み込める"
                      "ようになります。組み込んだニュースバーは本体を起動せずに利用できます。"),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    auto* install = new QPushButton(tr("インストール"), this);
    install->setObjectName(QStringLiteral("Button4"));
    auto* remove = new QPushButton(tr("消去"), this);
    remove->setObjectName(QStringLiteral("Button5"));
    buttons->addWidget(install);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(install, &QPushButton::clicked, this, &PluginPage::Button4Click);
    connect(remove, &QPushButton::clicked, this, &PluginPage::Button5Click);

    auto* look = new QGroupBox(tr("ニュースバーの設定"), this);
    auto* grid = new QGridLayout(look);
    const auto swatch = [&](const QString& label, const SettingKey& key, int column) {
        auto* swatch = new ColourSwatch(label, look);
        swatch->setColour(PluginSettings::kDesignColour);
        grid->addWidget(swatch, 0, column * 2);
        grid->addWidget(new QLabel(label, look), 0, column * 2 + 1);
        connect(swatch, &ColourSwatch::clicked, this,
                [this, swatch, &key] { colourClick(swatch, key); });
        return swatch;
    };
    StitleB = swatch(tr("タイトル"), settings::pluginini::OP1, 0);
    SfontB = swatch(tr("記事色"), settings::pluginini::OP2, 1);
    SbackB = swatch(tr("背景"), settings::pluginini::OP3, 2);
    grid->setColumnStretch(6, 1);

    auto* speedLabel = new QLabel(tr("速度"), look);
    TrackBar6 = new QSlider(Qt::Horizontal, look);
    TrackBar6->setObjectName(QStringLiteral("TrackBar6"));
    TrackBar6->setAccessibleName(speedLabel->text());
    TrackBar6->setRange(1, 101);
    TrackBar6->setValue(PluginSettings::kDesignSpeed);
    speedLabel->setBuddy(TrackBar6);
    grid->addWidget(speedLabel, 1, 0, 1, 2);
    grid->addWidget(TrackBar6, 1, 2, 1, 5);
    layout->addWidget(look);
    layout->addStretch();
    connect(TrackBar6, &QSlider::valueChanged, this, [this](int speed) {
        if (loading_)
            return;
        if (const Outcome written = settings_.writeSpeed(speed); !written.ok())
            messagebox::error(window(), written.error);
    });
}

void PluginPage::load() {
    const PluginSettings::Choices stored = settings_.load();
    StitleB->setColour(stored.title);
    SfontB->setColour(stored.article);
    SbackB->setColour(stored.back);
    loading_ = true;
    TrackBar6->setValue(stored.speed);
    loading_ = false;
}

void PluginPage::Button4Click() {
    const Outcome installed =
        settings_.install(QCoreApplication::applicationFilePath().toStdString());
    if (!installed.ok()) {
        messagebox::error(window(), installed.error);
        return;
    }
    // No registrar exists on this system: the plug-in's own installer registers it.
    messagebox::information(
        window(),
        utf8::fromQString(tr("ニュースバーの設定を書き込みました。ニュースバー本体の登録は、"
                             "ニュースバーに付属のインストーラーで行ってください。")));
}

void PluginPage::Button5Click() {
    messagebox::information(
        window(), utf8::fromQString(
                      tr("ニュースバー本体の登録の解除は、ニュースバーに付属のアンインストーラーで"
                         "行ってください。設定ファイルはそのまま残ります。")));
}

void PluginPage::colourClick(ColourSwatch* swatch, const SettingKey& key) {
    const auto chosen = swatch->choose();
    if (!chosen)
        return;
    if (const Outcome written = settings_.writeColour(key, *chosen); !written.ok()) {
        messagebox::error(window(), written.error);
        return;
    }
    swatch->setColour(*chosen);
}
