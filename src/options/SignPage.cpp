#include "options/SignPage.h"

#include "LightStr/TLightStr.h"
#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "ticker/SignPointer.h"
#include "ticker/TForm1.h"
#include "ticker/WindowModeCommands.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

SignPage::SignPage(const QString& title, TForm1& ticker) : QGroupBox(title), ticker_(ticker) {
    column_ = new QVBoxLayout(this);
    trackBars_ = new QGridLayout;
    column_->addLayout(trackBars_);
    TLightStr* sign = ticker_.sign();
    TrackBar1 =
        addTrackBar("TrackBar1", tr("速　　度"), SignPointer::kFastest, SignPointer::kSlowest, 10,
                    [sign](int value) { sign->setShowInterval(static_cast<unsigned>(value)); });
    TrackBar2 = addTrackBar("TrackBar2", tr("送り速度"), 0, 30, 0,
                            [sign](int value) { sign->setSending(value); });
    TrackBar3 = addTrackBar("TrackBar3", tr("液晶余白"), 0, 10, 0,
                            [sign](int value) { sign->setSpace(value); });
    TrackBar4 = addTrackBar("TrackBar4", tr("液晶ドット"), 1, 5, 3,
                            [sign](int value) { sign->setBit(value); });
    TrackBar5 = addTrackBar("TrackBar5", tr("高さ"), 0, 600, 0,
                            [this](int height) { ticker_.resize(ticker_.width(), height); });
    TrackBar7 = addTrackBar("TrackBar7", tr("幅"), 0, 600, 0,
                            [this](int width) { ticker_.resize(width, ticker_.height()); });

    column_->addWidget(buildWindowButtons());
    Hover = new QCheckBox(tr("マウスを乗せると止めて記事の内容を表示"), this);
    Hover->setObjectName(QStringLiteral("Hover"));
    Hover->setAccessibleName(Hover->text());
    Hover->setChecked(true);
    connect(Hover, &QCheckBox::toggled, this, [this, sign](bool checked) {
        if (!presetting_)
            sign->setPauseOnHover(checked);
    });
    column_->addWidget(Hover);
    column_->addStretch();
}

QSlider* SignPage::addTrackBar(const char* name, const QString& label, int minimum, int maximum,
                               int position, std::function<void(int)> apply) {
    const int row = trackBars_->rowCount();
    auto* caption = new QLabel(label, this);
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(label);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    caption->setBuddy(bar);
    auto* value = new QLabel(QString::number(position), this);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(bar, &QSlider::valueChanged, this, [this, value, apply](int now) {
        value->setNum(now);
        if (!presetting_)
            apply(now);
    });
    trackBars_->addWidget(caption, row, 0);
    trackBars_->addWidget(bar, row, 1);
    trackBars_->addWidget(value, row, 2);
    return bar;
}

QWidget* SignPage::buildWindowButtons() {
    auto* group = new QGroupBox(tr("ウィンドウ操作"), this);
    auto* grid = new QGridLayout(group);
    WindowModeCommands& modes = ticker_.windowModes();
    const struct {
        const char* name;
        QString caption;
        void (WindowModeCommands::*command)();
    } buttons[] = {
        {"pitari", tr("液晶サイズにフィット"), &WindowModeCommands::fitToSign},
        {"border", tr("ボーダー表示切替"), &WindowModeCommands::toggleBorder},
        {"saizenmen", tr("最前面表示切替"), &WindowModeCommands::toggleTopmost},
        {"tuneni", tr("常に表示切替"), &WindowModeCommands::toggleAlwaysShow},
        {"hanten", tr("反転切替"), &WindowModeCommands::toggleReverse},
        {"tateyoko", tr("縦横切替"), &WindowModeCommands::toggleOrientation},
    };
    int index = 0;
    for (const auto& entry : buttons) {
        auto* button = new TSpeedButtonEX(group);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setText(entry.caption);
        button->setAccessibleName(entry.caption);
        button->setMinimumSize(button->sizeHint() + QSize(16, 4));
        const auto command = entry.command;
        connect(button, &TSpeedButtonEX::clicked, this, [&modes, command] { (modes.*command)(); });
        grid->addWidget(button, index / 2, index % 2);
        ++index;
    }
    return group;
}

void SignPage::presetFromTicker() {
    const TLightStr& sign = *ticker_.sign();
    const QRect screen = ticker_.screen() ? ticker_.screen()->geometry() : QRect(0, 0, 600, 600);
    // Only the values are shown here; nothing of the ticker changes.
    presetting_ = true;
    TrackBar1->setValue(static_cast<int>(sign.ShowInterval()));
    TrackBar2->setValue(sign.Sending());
    TrackBar3->setValue(sign.Space());
    TrackBar4->setValue(sign.Bit());
    TrackBar5->setMaximum(screen.height());
    TrackBar5->setValue(ticker_.height());
    TrackBar7->setMaximum(screen.width());
    TrackBar7->setValue(ticker_.width());
    Hover->setChecked(sign.PauseOnHover());
    presetting_ = false;
}
