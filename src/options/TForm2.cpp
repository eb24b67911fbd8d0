#include "options/TForm2.h"

#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "app/FeedListFile.h"
#include "app/GlowtapeSettings.h"
#include "app/SettingKeys.h"
#include "app/SettingsReader.h"
#include "app/StartupSequence.h"
#include "app/WindowPlacement.h"
#include "framework/Cp932.h"
#include "framework/MessageBox.h"
#include "ticker/TForm1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kDesignPanelWidth = 560;
constexpr int kDesignPanelHeight = 350;
constexpr int kCategoryWidth = 150;
const char* const kCategories[] = {"文字色　サイズ", "液晶設定",       "ツールバー", "表示位置",
                                   "ニュース管理",   "ショートカット", "ヘルプ"};
} // namespace

TForm2::TForm2(TForm1& ticker, FeedList& feeds, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      ticker_(ticker) {
    setWindowTitle(QStringLiteral("各種設定"));
    buildPages();
    NewsList->setModel(&feeds);

    FormCreate(SettingsReader(settingsDirectory + std::string(settings::kSettingsFileName)));

    ticker_.attachOptions(this, *this);
    StartupSequence(feeds, ticker_.stores(), ticker_.rotationState(), *ticker_.sign())
        .run(settingsDirectory + std::string(FeedListFile::kFileName), [this] {
            messagebox::warning(
                nullptr, cp932::fromQString(QStringLiteral("ニュースが一つも登録されていません。"
                                                           "新規登録をしてください。")));
        });

    selectCategory(0);
    if (ticker_.sign()->Direction())
        setVerticalCaptions(true);
}

void TForm2::buildPages() {
    MainPanel = new QWidget(this);
    MainPanel->setGeometry(5, 5, kDesignPanelWidth, kDesignPanelHeight);
    auto* heading = new QLabel(QStringLiteral("カテゴリー"), MainPanel);
    heading->setGeometry(0, 0, kCategoryWidth, 20);
    ListBox1 = new QListWidget(MainPanel);
    ListBox1->setGeometry(0, 22, kCategoryWidth, kDesignPanelHeight - 22);
    for (const char* category : kCategories) {
        auto* item = new QListWidgetItem(QString::fromUtf8(category), ListBox1);
        item->setSizeHint(QSize(kCategoryWidth - 4, 25));
    }
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm2::selectCategory);

    pages_ = {buildAppearancePage(),
              new QGroupBox(QString::fromUtf8(kCategories[1])),
              new QGroupBox(QString::fromUtf8(kCategories[2])),
              buildPositionPage(),
              buildFeedPage(),
              new QGroupBox(QString::fromUtf8(kCategories[5])),
              buildAboutPage()};
    for (QWidget* page : pages_) {
        page->setParent(MainPanel);
        page->setGeometry(kCategoryWidth + 5, 0, kDesignPanelWidth - kCategoryWidth - 5,
                          kDesignPanelHeight);
        page->hide();
    }
}

QWidget* TForm2::buildAppearancePage() {
    auto* page = new QGroupBox(QString::fromUtf8(kCategories[0]));
    auto* layout = new QFormLayout(page);
    MainListBox = new QComboBox(page);
    MainListBox->addItems({QStringLiteral("title"), QStringLiteral("title　+ description")});
    DecListBox = new QComboBox(page);
    DecListBox->addItems({QStringLiteral("description"), QStringLiteral("title"),
                          QStringLiteral("link"), QStringLiteral("NewsTitle")});
    layout->addRow(QStringLiteral("電光掲示板"), MainListBox);
    layout->addRow(QStringLiteral("記述欄"), DecListBox);

    auto* placement = new QGroupBox(QStringLiteral("表示"), page);
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
    return page;
}

QWidget* TForm2::buildPositionPage() {
    auto* page = new QGroupBox(QString::fromUtf8(kCategories[3]));
    auto* layout = new QVBoxLayout(page);
    auto* browser = new QFormLayout;
    UrlEXE = new QLineEdit(page);
    browser->addRow(QStringLiteral("ブラウザ"), UrlEXE);
    layout->addLayout(browser);
    auto* note = new QLabel(
        QStringLiteral("（電光掲示板をダブルクリックした際に記事を表示するブラウザを変更できます。"
                       "無記入の場合標準のブラウザが起動します）"),
        page);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* reader = new QGroupBox(QStringLiteral("ニュースリーダー"), page);
    auto* readerLayout = new QFormLayout(reader);
    DefUri = new QLineEdit(QStringLiteral("http://"), reader);
    readerLayout->addRow(QStringLiteral("ホームURI"), DefUri);
    OP13 = new QCheckBox(QStringLiteral("表示する時にホームを表示"), reader);
    OP12 = new QCheckBox(QStringLiteral("表示する時に記事を表示"), reader);
    OP2 = new QCheckBox(QStringLiteral("表示する時、横幅最大化で表示"), reader);
    for (QCheckBox* box : {OP13, OP12, OP2})
        readerLayout->addRow(box);
    layout->addWidget(reader);
    connect(DefUri, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            DefUri->setText(QStringLiteral("http://"));
    });

    auto* readerPlace = new QGroupBox(QStringLiteral("ニュースリーダー表示位置"), page);
    auto* readerPlaceLayout = new QVBoxLayout(readerPlace);
    OP11a = new QCheckBox(readerPlace);
    OP11b = new QCheckBox(readerPlace);
    readerPlaceLayout->addWidget(OP11a);
    readerPlaceLayout->addWidget(OP11b);
    layout->addWidget(readerPlace);
    // The two places exclude each other; both may be unchecked.
    connect(OP11a, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            OP11b->setChecked(false);
    });
    connect(OP11b, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            OP11a->setChecked(false);
    });

    auto* dock = new QGroupBox(QStringLiteral("常に表示の位置"), page);
    auto* dockLayout = new QVBoxLayout(dock);
    OP7a = new QRadioButton(dock);
    OP7b = new QRadioButton(dock);
    dockLayout->addWidget(OP7a);
    dockLayout->addWidget(OP7b);
    layout->addWidget(dock);
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
    return page;
}

QWidget* TForm2::buildFeedPage() {
    auto* page = new QGroupBox(QString::fromUtf8(kCategories[4]));
    auto* layout = new QVBoxLayout(page);
    NewsList = new QTreeView(page);
    NewsList->setRootIsDecorated(false);
    NewsList->setSelectionMode(QAbstractItemView::SingleSelection);
    NewsList->setAllColumnsShowFocus(true);
    layout->addWidget(NewsList);
    return page;
}

QWidget* TForm2::buildAboutPage() {
    auto* page = new QGroupBox(QString::fromUtf8(kCategories[6]));
    auto* layout = new QVBoxLayout(page);
    auto* name = new QLabel(QStringLiteral("Glowtape"), page);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(32);
    name->setFont(nameFont);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("ver 3.0.0"), page));
    const QString home =
        QString::fromLatin1(StartupSequence::kHomePage.data(), StartupSequence::kHomePage.size());
    auto* link =
        new QLabel(QStringLiteral("<a href=\"%1\" style=\"color: blue\">%1</a>").arg(home), page);
    link->setOpenExternalLinks(true);
    layout->addWidget(link);
    layout->addWidget(
        new QLabel(QStringLiteral("（最新版＆ヘルプはホームページでご覧ください）"), page));
    layout->addStretch();
    return page;
}

void TForm2::FormCreate(const SettingsReader& reader) {
    using namespace settings;
    windowplacement::restore(*this, reader, window2::T, window2::L, window2::W, window2::H);
    NewsList->header()->resizeSection(FeedList::TitleColumn, reader.integer(window::List0));
    NewsList->header()->resizeSection(FeedList::UriColumn, reader.integer(window::List1));
    UrlEXE->setText(cp932::toQString(reader.text(option::urlEXE)));
    DefUri->setText(cp932::toQString(reader.text(option::DefUri)));
    OP2->setChecked(reader.is(option::OP2, flag::True));
    OP4->setChecked(reader.is(option::OP4, flag::True));
    ticker_.setLaunchButtonsShown(OP4->isChecked());
    OP7a->setChecked(reader.is(option::OP7, flag::Up));
    OP7b->setChecked(reader.is(option::OP7, flag::Down));
    OP11a->setChecked(reader.is(option::OP11, flag::Up));
    OP11b->setChecked(reader.is(option::OP11, flag::Down));
    OP12->setChecked(reader.is(option::OP12, flag::True));
    OP13->setChecked(reader.is(option::OP13, flag::True));
    if (reader.is(option::OP15, flag::Top))
        DecTop->setChecked(true);
    MainListBox->setCurrentIndex(reader.integer(select::main));
    DecListBox->setCurrentIndex(reader.integer(select::dec));
}

int TForm2::MainList() const {
    return MainListBox->currentIndex();
}

int TForm2::DecList() const {
    return DecListBox->currentIndex();
}

std::string TForm2::browserProgram() const {
    return cp932::fromQString(UrlEXE->text());
}

void TForm2::selectCategory(int index) {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<int>(i) == index);
    if (ListBox1->currentRow() != index)
        ListBox1->setCurrentRow(index);
}

void TForm2::setVerticalCaptions(bool vertical) {
    OP7a->setText(vertical ? QStringLiteral("画面左部にて表示")
                           : QStringLiteral("画面上部にて表示"));
    OP7b->setText(vertical ? QStringLiteral("画面右部にて表示")
                           : QStringLiteral("画面下部にて表示"));
    OP11a->setText(vertical ? QStringLiteral("電光掲示板の真左に表示する")
                            : QStringLiteral("電光掲示板の真上に表示する"));
    OP11b->setText(vertical ? QStringLiteral("電光掲示板の真右に表示する")
                            : QStringLiteral("電光掲示板の真下に表示する"));
}

void TForm2::collectSettings(GlowtapeSettings& settings) const {
    settings.options = windowplacement::boundsOf(*this);
    settings.titleColumnWidth = NewsList->header()->sectionSize(FeedList::TitleColumn);
    settings.uriColumnWidth = NewsList->header()->sectionSize(FeedList::UriColumn);
    settings.browserProgram = cp932::fromQString(UrlEXE->text());
    settings.homeAddress = cp932::fromQString(DefUri->text());
    settings.readerFullWidth = OP2->isChecked();
    settings.launchButtons = OP4->isChecked();
    settings.dockAtTop = OP7a->isChecked();
    settings.readerPlacement = OP11a->isChecked()   ? ReaderPlacement::Above
                               : OP11b->isChecked() ? ReaderPlacement::Below
                                                    : ReaderPlacement::NotPlaced;
    settings.showCurrentArticle = OP12->isChecked();
    settings.showHomeAddress = OP13->isChecked();
    settings.descriptionAtTop = DecTop->isChecked();
    settings.headlineChoice = MainListBox->currentIndex();
    settings.descriptionChoice = DecListBox->currentIndex();
}

void TForm2::closeEvent(QCloseEvent* event) {
    ticker_.closeButton()->hide();
    ticker_.optionsAction()->setChecked(false);
    ticker_.SaveSettings();
    event->accept();
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainPanel->resize(std::max(kDesignPanelWidth, width() - 10),
                      std::max(kDesignPanelHeight, height() - 10));
}
