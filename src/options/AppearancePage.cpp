#include "options/AppearancePage.h"

#include "LightStr/TLightStr.h"
#include "app/settings/FontStyle.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/text/FontFaceMap.h"
#include "framework/text/Utf8.h"
#include "options/ColourSwatch.h"
#include "options/FontColourDialog.h"
#include "options/LanguageBox.h"
#include "ticker/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace {

QFont presetFont(const std::string& faceName, int size, int style) {
    QFont font(FontFaceMap::family(faceName));
    font.setPointSize(std::max(1, size));
    fontstyle::apply(style, font);
    return font;
}

int sizeOf(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
}

// The face name to store for a chosen family: the stored Windows name while it still stands
// for that family, else the family itself. A vertical sign keeps its "@" (vertical writing),
// which no installed family carries.
std::string faceNameFor(const std::string& stored, const QFont& chosen, bool vertical) {
    if (FontFaceMap::family(stored) == chosen.family())
        return stored;
    const std::string name = utf8::fromQString(chosen.family());
    return vertical ? "@" + name : name;
}

} // namespace

AppearancePage::AppearancePage(const QString& title, TForm1& ticker)
    : QGroupBox(title), ticker_(ticker) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildColours());

    auto* lines = new QFormLayout;
    MainListBox = new QComboBox(this);
    MainListBox->addItems({QStringLiteral("title"), tr("title　+ description")});
    MainListBox->setAccessibleName(tr("電光掲示板"));
    DecListBox = new QComboBox(this);
    DecListBox->addItems({QStringLiteral("description"), QStringLiteral("title"),
                          QStringLiteral("link"), QStringLiteral("NewsTitle")});
    DecListBox->setAccessibleName(tr("記述欄"));
    lines->addRow(MainListBox->accessibleName(), MainListBox);
    lines->addRow(DecListBox->accessibleName(), DecListBox);
    language_ = new LanguageBox(this);
    language_->setAccessibleName(tr("言語"));
    lines->addRow(language_->accessibleName(), language_);
    layout->addLayout(lines);

    auto* placement = new QGroupBox(tr("表示"), this);
    auto* placementLayout = new QVBoxLayout(placement);
    DecTop = new QRadioButton(tr("上部に配置"), placement);
    DecBottom = new QRadioButton(tr("下部に配置"), placement);
    DecBottom->setChecked(true);
    OP4 = new QCheckBox(tr("ニュースウィンドウ起動ボタンの表示"), placement);
    placementLayout->addWidget(DecTop);
    placementLayout->addWidget(DecBottom);
    placementLayout->addWidget(OP4);
    layout->addWidget(placement);
    layout->addStretch();
    connect(DecTop, &QRadioButton::toggled, this,
            [this](bool top) { ticker_.setDescriptionBarAtTop(top); });
    connect(OP4, &QCheckBox::toggled, this,
            [this](bool shown) { ticker_.setLaunchButtonsShown(shown); });
}

QWidget* AppearancePage::buildColours() {
    auto* colours = new QGroupBox(tr("色とフォント"), this);
    auto* grid = new QGridLayout(colours);
    const auto swatch = [&](ColourSwatch*& swatch, const QString& label, auto handler, int row,
                            int column) {
        swatch = new ColourSwatch(label, colours);
        grid->addWidget(swatch, row, column);
        connect(swatch, &ColourSwatch::clicked, this, handler);
    };
    const auto caption = [&](const QString& text, int row, int column) {
        grid->addWidget(new QLabel(text, colours), row, column);
    };
    swatch(TitleC, tr("タイトル"), &AppearancePage::TitleBClick, 0, 0);
    caption(tr("タイトル"), 0, 1);
    swatch(DarkC, tr("暗い部分"), &AppearancePage::DarkBClick, 0, 2);
    caption(tr("暗い部分"), 0, 3);
    swatch(BackC, tr("背景"), &AppearancePage::BackBClick, 0, 4);
    caption(tr("背景"), 0, 5);

    articleFont_ = new QPushButton(tr("記事"), colours);
    descriptionFont_ = new QPushButton(tr("記述"), colours);
    grid->addWidget(articleFont_, 1, 1);
    swatch(FontC, tr("記事"), &AppearancePage::FontBClick, 1, 0);
    grid->addWidget(descriptionFont_, 1, 3);
    swatch(DescC, tr("記述"), &AppearancePage::DescBClick, 1, 2);
    grid->setColumnStretch(6, 1);
    connect(articleFont_, &QPushButton::clicked, this, &AppearancePage::articleFontClick);
    connect(descriptionFont_, &QPushButton::clicked, this, &AppearancePage::descriptionFontClick);
    return colours;
}

void AppearancePage::showCurrentColours() {
    TLightStr& sign = *ticker_.sign();
    DarkC->setColour(sign.DarkColor());
    TitleC->setColour(ticker_.colours().title);
    FontC->setColour(ticker_.colours().article);
    BackC->setColour(sign.BackColor());
    DescC->setColour(ticker_.colours().description);
}

void AppearancePage::TitleBClick() {
    if (const auto chosen = TitleC->choose()) {
        ticker_.colours().title = *chosen;
        ticker_.applyBackColour();
        TitleC->setColour(*chosen);
    }
}

void AppearancePage::FontBClick() {
    if (const auto chosen = FontC->choose()) {
        ticker_.colours().article = *chosen;
        ticker_.applyBackColour();
        FontC->setColour(*chosen);
    }
}

void AppearancePage::DarkBClick() {
    if (const auto chosen = DarkC->choose()) {
        ticker_.sign()->setDarkColor(*chosen);
        ticker_.sign()->update();
        DarkC->setColour(*chosen);
    }
}

void AppearancePage::BackBClick() {
    if (const auto chosen = BackC->choose()) {
        ticker_.sign()->setBackColor(*chosen);
        ticker_.applyBackColour();
        ticker_.sign()->update();
        BackC->setColour(*chosen);
    }
}

void AppearancePage::DescBClick() {
    if (const auto chosen = DescC->choose()) {
        ticker_.setDescriptionColour(*chosen);
        DescC->setColour(*chosen);
    }
}

void AppearancePage::articleFontClick() {
    TLightStr& sign = *ticker_.sign();
    const bool vertical = sign.Direction();
    const std::string& stored = ticker_.articleFontName(vertical);
    const auto chosen =
        FontColourDialog::choose(presetFont(stored, sign.ShowFontH(), ticker_.articleFontStyle()),
                                 ticker_.colours().article, tr("記事"), window());
    if (!chosen)
        return;
    ticker_.setArticleFont(faceNameFor(stored, chosen->font, vertical), sizeOf(chosen->font),
                           fontstyle::of(chosen->font));
    ticker_.colours().article = chosen->colour;
    FontC->setColour(chosen->colour);
}

void AppearancePage::descriptionFontClick() {
    const std::string& stored = ticker_.descriptionFontName();
    const auto chosen = FontColourDialog::choose(
        presetFont(stored, ticker_.descriptionFontSize(), ticker_.descriptionFontStyle()),
        ticker_.colours().description, tr("記述"), window());
    if (chosen) {
        ticker_.setDescriptionFont(faceNameFor(stored, chosen->font, false), sizeOf(chosen->font),
                                   fontstyle::of(chosen->font));
        ticker_.setDescriptionColour(chosen->colour);
        DescC->setColour(chosen->colour);
    }
    // The sign moves below a bar that may have grown.
    if (DecTop->isChecked())
        ticker_.setDescriptionBarAtTop(true);
}

void AppearancePage::load(const SettingsReader& reader) {
    using namespace settings;
    OP4->setChecked(reader.is(option::OP4, flag::True));
    ticker_.setLaunchButtonsShown(OP4->isChecked());
    if (reader.is(option::OP15, flag::Top))
        DecTop->setChecked(true);
    MainListBox->setCurrentIndex(reader.integer(select::main));
    DecListBox->setCurrentIndex(reader.integer(select::dec));
    language_->load(reader);
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
    language_->collectSettings(settings);
}
