#include "options/TForm2.h"

#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "app/FeedListFile.h"
#include "app/StartupSequence.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/WindowPlacement.h"
#include "articles/TForm3.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "options/AboutPage.h"
#include "options/AccountPage.h"
#include "options/AppearancePage.h"
#include "options/FeedManagerPage.h"
#include "options/FilterPage.h"
#include "options/PluginPage.h"
#include "options/PluginSettings.h"
#include "options/PositionPage.h"
#include "options/ShortcutPage.h"
#include "options/SignPage.h"
#include "ticker/TForm1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>

namespace {
constexpr int kDesignPanelWidth = 560;
constexpr int kDesignPanelHeight = 350;
constexpr int kCategoryWidth = 150;
// The original seven pages keep their places; pages added since follow them.
const char* const kCategories[] = {
    QT_TRANSLATE_NOOP("TForm2", "文字色　サイズ"), QT_TRANSLATE_NOOP("TForm2", "液晶設定"),
    QT_TRANSLATE_NOOP("TForm2", "ツールバー"),     QT_TRANSLATE_NOOP("TForm2", "表示位置"),
    QT_TRANSLATE_NOOP("TForm2", "ニュース管理"),   QT_TRANSLATE_NOOP("TForm2", "ショートカット"),
    QT_TRANSLATE_NOOP("TForm2", "ヘルプ"),         QT_TRANSLATE_NOOP("TForm2", "フィルタ"),
    QT_TRANSLATE_NOOP("TForm2", "アカウント")};

QString category(int index) {
    return TForm2::tr(kCategories[index]);
}
} // namespace

TForm2::TForm2(TForm1& ticker, FeedList& feeds, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      ticker_(ticker) {
    setWindowTitle(tr("各種設定"));
    buildPages(feeds, settingsDirectory);

    ticker_.attachOptions(this, *this);
    FormCreate(SettingsReader(settingsDirectory + std::string(settings::kSettingsFileName)));
    shortcut_->load();
    plugin_->load();
    StartupSequence(feeds, ticker_.stores(), ticker_.rotationState(), *ticker_.sign())
        .run(settingsDirectory + std::string(FeedListFile::kFileName), [this] {
            messagebox::warning(nullptr, utf8::fromQString(tr("ニュースが一つも登録されていません。"
                                                              "新規登録をしてください。")));
        });

    appearance_->showCurrentColours();
    selectCategory(0);
    if (ticker_.sign()->Direction())
        setVerticalCaptions(true);
}

void TForm2::buildPages(FeedList& feeds, const std::string& settingsDirectory) {
    MainPanel = new QWidget(this);
    MainPanel->setGeometry(5, 5, kDesignPanelWidth, kDesignPanelHeight);
    auto* heading = new QLabel(tr("カテゴリー"), MainPanel);
    heading_ = heading;
    ListBox1 = new QListWidget(MainPanel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(heading->text());
    for (const char* text : kCategories) {
        auto* item = new QListWidgetItem(tr(text), ListBox1);
        item->setSizeHint(QSize(kCategoryWidth - 4, 25));
    }
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm2::selectCategory);
    // A screen reader selects an item without making it current; the page follows either.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
        if (!selected.isEmpty())
            selectCategory(ListBox1->row(selected.first()));
    });

    appearance_ = new AppearancePage(category(0), ticker_);
    sign_ = new SignPage(category(1), ticker_);
    plugin_ = new PluginPage(category(2),
                             PluginSettings(PluginSettings::defaultFolder(), settingsDirectory));
    position_ = new PositionPage(category(3));
    feedManager_ = new FeedManagerPage(
        category(4), feeds,
        {[this](int row) {
             if (FeedRotation* rotation = ticker_.rotation())
                 rotation->showFeedNow(row);
         },
         [this] { selectCategory(4); },
         [this](int minutes) { ticker_.refreshSchedule().setIntervalMinutes(minutes); }});
    shortcut_ = new ShortcutPage(category(5), settingsDirectory);
    filter_ = new FilterPage(category(7), ticker_.headlineMarks(), ticker_.colours());
    account_ = new AccountPage(category(8), ticker_.account());
    pages_ = {appearance_,
              sign_,
              plugin_,
              position_,
              feedManager_,
              shortcut_,
              new AboutPage(category(6)),
              filter_,
              account_};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        QWidget* page = pages_[i];
        page->setObjectName(QStringLiteral("GroupBox%1").arg(i));
        page->setAccessibleName(category(static_cast<int>(i)));
        page->setParent(MainPanel);
        page->hide();
        // Unnamed, a group would be announced by the title of the group around it.
        for (QGroupBox* group : page->findChildren<QGroupBox*>())
            if (group->accessibleName().isEmpty())
                group->setAccessibleName(group->title());
    }
    layOutPanel();
}

// The category column keeps its width; the pages fill the rest of the panel.
void TForm2::layOutPanel() {
    const int height = MainPanel->height();
    heading_->setGeometry(0, 0, kCategoryWidth, 20);
    ListBox1->setGeometry(0, 22, kCategoryWidth, height - 22);
    for (QWidget* page : pages_)
        page->setGeometry(kCategoryWidth + 5, 0, MainPanel->width() - kCategoryWidth - 5, height);
}

void TForm2::FormCreate(const SettingsReader& reader) {
    using namespace settings;
    windowplacement::restore(*this, reader, window2::T, window2::L, window2::W, window2::H);
    feedManager_->load(reader);
    position_->load(reader);
    if (reader.is(option::OP8, flag::True))
        ticker_.windowModes().toggleAlwaysShow();
    appearance_->load(reader);
    filter_->load(reader);
    account_->load(reader);
}

int TForm2::MainList() const {
    return appearance_->MainList();
}

int TForm2::DecList() const {
    return appearance_->DecList();
}

std::string TForm2::browserProgram() const {
    return position_->browserProgram();
}

QTreeView* TForm2::newsList() const {
    return feedManager_->newsList();
}

ReaderOptions TForm2::readerOptions() const {
    return position_->readerOptions();
}

void TForm2::selectCategory(int index) {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<int>(i) == index);
    if (ListBox1->currentRow() != index)
        ListBox1->setCurrentRow(index);
}

void TForm2::setVerticalCaptions(bool vertical) {
    position_->setVerticalCaptions(vertical);
}

bool TForm2::dockAtFirstEdge() const {
    return position_->dockAtFirstEdge();
}

void TForm2::collectSettings(GlowtapeSettings& settings) const {
    settings.options = windowplacement::boundsOf(*this);
    feedManager_->collectSettings(settings);
    position_->collectSettings(settings);
    appearance_->collectSettings(settings);
    filter_->collectSettings(settings);
    account_->collectSettings(settings);
}

void TForm2::closeEvent(QCloseEvent* event) {
    ticker_.closeButton()->hide();
    ticker_.optionsAction()->setChecked(false);
    ticker_.SaveSettings();
    event->accept();
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    sign_->presetFromTicker();
}

// The panel grows with the dialog and never shrinks below its design size.
void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainPanel->resize(std::max(kDesignPanelWidth, width() - 10),
                      std::max(kDesignPanelHeight, height() - 10));
    layOutPanel();
}
