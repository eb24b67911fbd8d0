#include "options/PositionPage.h"

#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/text/Utf8.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PositionPage::PositionPage(const QString& title) : QGroupBox(title) {
    auto* layout = new QVBoxLayout(this);
    auto* browser = new QHBoxLayout;
    auto* browserLabel = new QLabel(tr("ブラウザ"), this);
    UrlEXE = new QLineEdit(this);
    UrlEXE->setObjectName(QStringLiteral("UrlEXE"));
    UrlEXE->setAccessibleName(browserLabel->text());
    browserLabel->setBuddy(UrlEXE);
    auto* choose = new QPushButton(QStringLiteral("…"), this);
    choose->setObjectName(QStringLiteral("UrlEXEChoose"));
    choose->setAccessibleName(tr("ブラウザの選択"));
    choose->setToolTip(choose->accessibleName());
    browser->addWidget(browserLabel);
    browser->addWidget(UrlEXE, 1);
    choose->setFixedWidth(choose->fontMetrics().horizontalAdvance(choose->text()) + 24);
    browser->addWidget(choose);
    layout->addLayout(browser);
    connect(choose, &QPushButton::clicked, this, &PositionPage::chooseBrowser);
    auto* note =
        new QLabel(tr("（電光掲示板をダブルクリックした際に記事を表示するブラウザを変更できます。"
                      "無記入の場合標準のブラウザが起動します）"),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* reader = new QGroupBox(tr("ニュースリーダー"), this);
    auto* readerLayout = new QFormLayout(reader);
    DefUri = new QLineEdit(QStringLiteral("http://"), reader);
    DefUri->setObjectName(QStringLiteral("DefUri"));
    DefUri->setAccessibleName(tr("ホームURI"));
    readerLayout->addRow(DefUri->accessibleName(), DefUri);
    OP13 = new QCheckBox(tr("表示する時にホームを表示"), reader);
    OP12 = new QCheckBox(tr("表示する時に記事を表示"), reader);
    OP2 = new QCheckBox(tr("表示する時、横幅最大化で表示"), reader);
    for (QCheckBox* box : {OP13, OP12, OP2})
        readerLayout->addRow(box);
    layout->addWidget(reader);
    connect(DefUri, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            DefUri->setText(QStringLiteral("http://"));
    });

    auto* readerPlace = new QGroupBox(tr("ニュースリーダー表示位置"), this);
    auto* readerPlaceLayout = new QVBoxLayout(readerPlace);
    OP11a = new QCheckBox(readerPlace);
    OP11b = new QCheckBox(readerPlace);
    readerPlaceLayout->addWidget(OP11a);
    readerPlaceLayout->addWidget(OP11b);
    auto* places = new QHBoxLayout;
    places->addWidget(readerPlace);
    layout->addLayout(places);
    // The two places exclude each other; both may be unchecked.
    connect(OP11a, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            OP11b->setChecked(false);
    });
    connect(OP11b, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            OP11a->setChecked(false);
    });

    auto* dock = new QGroupBox(tr("常に表示の位置"), this);
    auto* dockLayout = new QVBoxLayout(dock);
    OP7a = new QRadioButton(dock);
    OP7b = new QRadioButton(dock);
    dockLayout->addWidget(OP7a);
    dockLayout->addWidget(OP7b);
    places->addWidget(dock);
    // The reader opens on the side of the sign away from the edge the sign docks to.
    connect(OP7a, &QRadioButton::clicked, this, [this] {
        if (OP11a->isChecked() || OP11b->isChecked())
            OP11b->setChecked(true);
        OP7b->setChecked(false);
    });
    connect(OP7b, &QRadioButton::clicked, this, [this] {
        if (OP11a->isChecked() || OP11b->isChecked())
            OP11a->setChecked(true);
        OP7a->setChecked(false);
    });
    layout->addStretch();
    setVerticalCaptions(false);
}

// Programs here are files that may be executed, whatever their names.
void PositionPage::chooseBrowser() {
    QFileDialog dialog(window(), tr("ブラウザの選択"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("実行ファイル (*)"));
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (!UrlEXE->text().isEmpty())
        dialog.selectFile(UrlEXE->text());
    else
        dialog.setDirectory(QStringLiteral("/usr/bin"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        UrlEXE->setText(dialog.selectedFiles().first());
}

void PositionPage::load(const SettingsReader& reader) {
    using namespace settings;
    UrlEXE->setText(utf8::toQString(reader.text(option::urlEXE)));
    DefUri->setText(utf8::toQString(reader.text(option::DefUri)));
    OP2->setChecked(reader.is(option::OP2, flag::True));
    OP7a->setChecked(reader.is(option::OP7, flag::Up));
    OP7b->setChecked(reader.is(option::OP7, flag::Down));
    OP11a->setChecked(reader.is(option::OP11, flag::Up));
    OP11b->setChecked(reader.is(option::OP11, flag::Down));
    OP12->setChecked(reader.is(option::OP12, flag::True));
    OP13->setChecked(reader.is(option::OP13, flag::True));
}

std::string PositionPage::browserProgram() const {
    return utf8::fromQString(UrlEXE->text());
}

void PositionPage::setVerticalCaptions(bool vertical) {
    OP7a->setText(vertical ? tr("画面左部にて表示") : tr("画面上部にて表示"));
    OP7b->setText(vertical ? tr("画面右部にて表示") : tr("画面下部にて表示"));
    OP11a->setText(vertical ? tr("電光掲示板の真左に表示する") : tr("電光掲示板の真上に表示する"));
    OP11b->setText(vertical ? tr("電光掲示板の真右に表示する") : tr("電光掲示板の真下に表示する"));
}

void PositionPage::collectSettings(GlowtapeSettings& settings) const {
    const ReaderOptions reader = readerOptions();
    settings.browserProgram = utf8::fromQString(UrlEXE->text());
    settings.homeAddress = reader.homeAddress;
    settings.readerFullWidth = reader.fullWidth;
    settings.dockAtTop = OP7a->isChecked();
    settings.readerPlacement = reader.placement;
    settings.showCurrentArticle = reader.showArticle;
    settings.showHomeAddress = reader.showHome;
}

ReaderOptions PositionPage::readerOptions() const {
    return {OP2->isChecked(),
            OP11a->isChecked()   ? ReaderPlacement::Above
            : OP11b->isChecked() ? ReaderPlacement::Below
                                 : ReaderPlacement::NotPlaced,
            OP12->isChecked(), OP13->isChecked(), utf8::fromQString(DefUri->text())};
}

bool PositionPage::dockAtFirstEdge() const {
    return OP7a->isChecked();
}
