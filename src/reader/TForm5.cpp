#include "reader/TForm5.h"

#include "LightStr/TLightStr.h"
#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "app/FeedList.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/WindowPlacement.h"
#include "feed/parse/FeedLinks.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/files/InternetShortcut.h"
#include "framework/files/LinkOpener.h"
#include "framework/text/FontFaceMap.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "framework/widgets/ModelChanges.h"
#include "framework/x11/SystemColor.h"
#include "options/TForm2.h"
#include "reader/BrowserModule.h"
#include "reader/FeedArticles.h"
#include "reader/ReaderAddress.h"
#include "reader/ReaderGlyphs.h"
#include "reader/ReaderNavigator.h"
#include "reader/ReaderOptions.h"
#include "reader/TUIWebBrowser.h"
#include "ticker/TForm1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kToolBarHeight = 30;
constexpr int kStatusBarHeight = 15;
constexpr int kSplitterWidth = 4;
constexpr std::uint32_t kClMenu = syscolor::kSystemFlag + 4;
constexpr std::uint32_t kCl3DLight = syscolor::kSystemFlag + 22;

TSpeedButtonEX* navigationButton(QWidget* parent, const char* name, const char* hint,
                                 readerglyphs::Glyph glyph) {
    auto* button = new TSpeedButtonEX(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(23, 23);
    button->setToolTip(TForm5::tr(hint));
    button->setAccessibleName(TForm5::tr(hint));
    button->setGlyph(readerglyphs::strip(glyph, 16, button->devicePixelRatioF()));
    button->setNumGlyphs(2);
    return button;
}

QPushButton* smallToggle(QWidget* parent, const char* name, const char* hint, int left) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 1, 12, 12);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(TForm5::tr(hint));
    button->setAccessibleName(TForm5::tr(hint));
    return button;
}

} // namespace

TForm5::TForm5(TForm1& ticker, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      ticker_(ticker) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("ニュースリーダー"));
    QFont design(FontFaceMap::family("ＭＳ Ｐゴシック"));
    design.setPixelSize(12);
    setFont(design);
    resize(696, 547);
    buildControls();

    using namespace settings;
    const SettingsReader reader(settingsDirectory + std::string(kSettingsFileName));
    windowplacement::restore(*this, reader, window5::T, window5::L, window5::W, window5::H);
    panelWidth_ = reader.integer(window5::S1);
    listHeight_ = reader.integer(window5::S2);
    applyLayout(ReaderLayout::ofMode(GlowtapeSettings::readerModeOf(reader)));
    TopTool->setVisible(reader.is(window5::cont, flag::True));
    // Each row names the feed it loads, whatever happens to the list.
    onAnyRowChange(ticker_.feeds(), this, [this] { fillNewsList(); });
}

void TForm5::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildToolBar());

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(kSplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    column->addWidget(Splitter1, 1);

    PanelLeft = new QWidget(Splitter1);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    auto* left = new QVBoxLayout(PanelLeft);
    left->setContentsMargins(0, 0, 0, 0);
    NewsList = new QListWidget(PanelLeft);
    NewsList->setObjectName(QStringLiteral("NewsList"));
    NewsList->setAccessibleName(tr("ニュース一覧"));
    left->addWidget(NewsList);
    ShellTreeView1 = new QTreeView(PanelLeft);
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setToolTip(tr("ダブルクリックで表示"));
    ShellTreeView1->setAccessibleName(tr("お気に入り"));
    ShellTreeView1->setHeaderHidden(true);
    ShellTreeView1->hide();
    left->addWidget(ShellTreeView1);

    PanelRight = new QWidget(Splitter1);
    PanelRight->setObjectName(QStringLiteral("PanelRight"));
    auto* right = new QVBoxLayout(PanelRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    TitlePanel = new QLabel(PanelRight);
    TitlePanel->setObjectName(QStringLiteral("TitlePanel"));
    TitlePanel->setAccessibleName(tr("ニュースのタイトル"));
    TitlePanel->setFixedHeight(17);
    TitlePanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TitlePanel->setTextFormat(Qt::PlainText);
    right->addWidget(TitlePanel);
    Splitter2 = new QSplitter(Qt::Vertical, PanelRight);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(kSplitterWidth);
    Splitter2->setChildrenCollapsible(false);
    right->addWidget(Splitter2, 1);
    ReportList = new QListWidget(Splitter2);
    ReportList->setObjectName(QStringLiteral("ReportList"));
    ReportList->setAccessibleName(tr("記事一覧"));
    ReportList->setAlternatingRowColors(true);
    QPalette rows = ReportList->palette();
    rows.setColor(QPalette::Base, QColor::fromRgb(syscolor::toQRgb(kClMenu)));
    rows.setColor(QPalette::AlternateBase, QColor::fromRgb(syscolor::toQRgb(kCl3DLight)));
    rows.setColor(QPalette::Text, Qt::black);
    ReportList->setPalette(rows);
    // The browser is created in this slot the first time the reader is shown.
    browserSlot_ = new QWidget(Splitter2);
    auto* slot = new QVBoxLayout(browserSlot_);
    slot->setContentsMargins(0, 0, 0, 0);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);

    column->addWidget(buildStatusBar());
    navigator_ = new ReaderNavigator({this, browserSlot_, URI, Label1, BackB, ForwardB});

    connect(NewsList, &QListWidget::itemDoubleClicked, this, [this] { NewsListDblClick(); });
    connect(ReportList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ReportListDblClick(ReportList->row(item)); });
    connect(ShellTreeView1, &QTreeView::doubleClicked, this, &TForm5::ShellTreeView1DblClick);
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { panelWidth_ = PanelLeft->width(); });
    connect(Splitter2, &QSplitter::splitterMoved, this,
            [this] { listHeight_ = ReportList->height(); });
}

QWidget* TForm5::buildToolBar() {
    using readerglyphs::Glyph;
    TopTool = new QWidget(this);
    TopTool->setObjectName(QStringLiteral("TopTool"));
    TopTool->setAccessibleName(tr("コントローラー"));
    TopTool->setFixedHeight(kToolBarHeight);
    auto* row = new QHBoxLayout(TopTool);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    BackB = navigationButton(TopTool, "BackB", QT_TRANSLATE_NOOP("TForm5", "戻る"), Glyph::Back);
    ForwardB =
        navigationButton(TopTool, "ForwardB", QT_TRANSLATE_NOOP("TForm5", "進む"), Glyph::Forward);
    Ref = navigationButton(TopTool, "Ref", QT_TRANSLATE_NOOP("TForm5", "更新"), Glyph::Refresh);
    Home = navigationButton(TopTool, "Home", QT_TRANSLATE_NOOP("TForm5", "ホームへ"), Glyph::Home);
    BackB->setEnabled(false);
    ForwardB->setEnabled(false);
    URI = new QComboBox(TopTool);
    URI->setObjectName(QStringLiteral("URI"));
    URI->setAccessibleName(tr("アドレス"));
    URI->setEditable(true);
    URI->setInsertPolicy(QComboBox::NoInsert);
    URI->setFixedWidth(145);
    URI->setEditText(QStringLiteral("about:blank"));
    Move = new QPushButton(tr("移動"), TopTool);
    Move->setObjectName(QStringLiteral("Move"));
    Move->setAccessibleName(Move->text());
    Move->setFixedSize(35, 23);
    for (QWidget* control : std::initializer_list<QWidget*>{BackB, ForwardB, Ref, Home, URI, Move})
        row->addWidget(control);
    row->addStretch();

    connect(Ref, &TSpeedButtonEX::clicked, this, &TForm5::RefClick);
    connect(Home, &TSpeedButtonEX::clicked, this, &TForm5::HomeClick);
    connect(Move, &QPushButton::clicked, this, &TForm5::MoveClick);
    connect(URI->lineEdit(), &QLineEdit::returnPressed, this, &TForm5::MoveClick);
    return TopTool;
}

QWidget* TForm5::buildStatusBar() {
    botBar = new QWidget(this);
    botBar->setObjectName(QStringLiteral("botBar"));
    botBar->setFixedHeight(kStatusBarHeight);
    Button4 =
        smallToggle(botBar, "Button4",
                    QT_TRANSLATE_NOOP("TForm5", "ニュースリーダーとブラウザのモード切り替え"), 2);
    Button5 =
        smallToggle(botBar, "Button5", QT_TRANSLATE_NOOP("TForm5", "コントローラー表示切替"), 17);
    Button6 = smallToggle(botBar, "Button6", QT_TRANSLATE_NOOP("TForm5", "横幅最大化切替"), 32);
    Label1 = new QLabel(botBar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(tr("状態"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(50, 0, 2000, kStatusBarHeight);
    connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm5::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm5::Button6Click);
    return botBar;
}

void TForm5::collectSettings(GlowtapeSettings& settings) const {
    settings.reader = windowplacement::boundsOf(*this);
    settings.readerPanelWidth = panelWidth_;
    settings.readerListHeight = listHeight_;
    settings.readerMode = layout().mode();
    settings.readerToolBar = !TopTool->isHidden();
}

ReaderLayout TForm5::layout() const {
    return {!PanelLeft->isHidden(), !ShellTreeView1->isHidden(), !TitlePanel->isHidden(),
            !ReportList->isHidden(), !NewsList->isHidden()};
}

void TForm5::applyLayout(const ReaderLayout& layout) {
    PanelLeft->setVisible(layout.panelLeft);
    ShellTreeView1->setVisible(layout.favourites);
    TitlePanel->setVisible(layout.titlePanel);
    ReportList->setVisible(layout.reportList);
    NewsList->setVisible(layout.newsList);
    if (layout.favourites && isVisible())
        openFavourites();
}

void TForm5::Button4Click() {
    applyLayout(layout().toggled());
}

void TForm5::Button5Click() {
    TopTool->setVisible(TopTool->isHidden());
}

void TForm5::Button6Click() {
    if (const auto frame =
            readergeometry::toggledFullWidth(frameGeometry(), screenRect(), saved_)) {
        setFrame(*frame);
        setAddressBoxWidth(width() - readergeometry::kAddressBoxMargin);
    }
}

void TForm5::ShowReader() {
    TForm2* options = ticker_.options();
    if (options && options->isVisible())
        options->close();
    const ReaderOptions choices = options ? options->readerOptions() : ReaderOptions{};
    const RotationState& state = ticker_.rotationState();
    LineStores& stores = ticker_.stores();

    fillNewsList();

    const auto article = static_cast<std::size_t>(std::max(state.articleIndex, 0));
    if (state.articleIndex >= 0 && choices.showArticle) {
        // Until a page sends its own title, the caption is the article's.
        setWindowTitle(utf8::toQString(stores.Memo2.line(article)));
        ReportList->clear();
        Memo2.clear();
        for (std::size_t i = 0; i < stores.Memo2.count(); ++i)
            ReportList->addItem(utf8::toQString(stores.Memo2.lineView(i)));
        for (std::size_t i = 0; i < stores.Memo3.count(); ++i)
            Memo2.push_back(stores.Memo3.line(i));
        linksFeedUri_ = stores.sourceUri;
    }

    if (!isVisible()) {
        placeBesideSign(choices);
        show();
        if (choices.fullWidth) {
            setFrame(readergeometry::widened(frameGeometry(), screenRect(), saved_));
            setAddressBoxWidth(width() - readergeometry::kAddressBoxMargin);
        }
    }
    raise();
    activateWindow();

    if (choices.showArticle) {
        const std::string link = stores.Memo3.line(article);
        if (link.empty()) {
            URI->setEditText(QStringLiteral("about:blank"));
        } else if (!ShellTreeView1->isHidden()) {
            navigator_->goToFeedLink(link, linksFeedUri_);
            ticker_.account().articleOpened(linksFeedUri_, static_cast<int>(article));
        } else {
            ReportList->setCurrentRow(static_cast<int>(article));
            ReportListDblClick(static_cast<int>(article));
        }
    } else if (choices.showHome && choices.hasHome()) {
        navigator_->go(utf8::toQString(choices.homeAddress));
    }
    ticker_.closeButton()->show();
}

void TForm5::fillNewsList() {
    NewsList->clear();
    for (const FeedEntry& entry : ticker_.feeds().entries())
        NewsList->addItem(utf8::toQString(entry.title));
    NewsList->setCurrentRow(ticker_.rotationState().feedIndex);
}

void TForm5::placeBesideSign(const ReaderOptions& options) {
    const readergeometry::Placement placement = readergeometry::besideSign(
        ticker_.frameGeometry(), frameGeometry(), ticker_.sign()->Direction(), options.placement);
    setFrame(placement.frame);
    if (placement.addressBoxWidth)
        setAddressBoxWidth(*placement.addressBoxWidth);
}

void TForm5::setFrame(const QRect& frame) {
    QSize decoration = frameGeometry().size() - size();
    // Before the reader was first shown its frame is unknown; the ticker's is the best guess.
    if (decoration.isNull())
        decoration = ticker_.frameGeometry().size() - ticker_.size();
    move(frame.topLeft());
    resize(frame.size() - decoration);
}

void TForm5::setAddressBoxWidth(int width) {
    URI->setFixedWidth(std::max(width, 40));
}

QRect TForm5::screenRect() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->geometry() : QRect(0, 0, 1024, 768);
}

bool TForm5::isScreenWide() const {
    return frameGeometry().width() == screenRect().width();
}

void TForm5::NewsListDblClick() {
    const int row = NewsList->currentRow();
    if (row >= 0 && row < ticker_.feeds().count())
        listFeed(row);
}

// The one place where the reader loads a feed: its titles and links fill the article list,
// and the browser shows the feed document itself.
// Nothing happens while the ticker loads a feed: one download at a time.
void TForm5::listFeed(int row) {
    FeedRotation* rotation = ticker_.rotation();
    if (!rotation)
        return;
    const FeedEntry entry = ticker_.feeds().entry(row);
    if (rotation->LoadFeedText(entry.uri, [this, uri = entry.uri] { showListed(uri); }))
        TitlePanel->setText(utf8::toQString(entry.title));
}

void TForm5::showListed(const std::string& uri) {
    LineStores& stores = ticker_.stores();
    const FeedArticles articles = FeedArticles::fromRawLines(stores.Memo1);
    ReportList->clear();
    for (const std::string& title : articles.titles)
        ReportList->addItem(utf8::toQString(title));
    Memo2 = articles.links;
    linksFeedUri_ = uri;
    stores.Memo1.clear();
    navigator_->go(utf8::toQString(feedlinks::withoutCredentials(uri)));
}

void TForm5::ReportListDblClick(int row) {
    if (row < 0)
        return;
    const auto line = static_cast<std::size_t>(row);
    navigator_->goToFeedLink(line < Memo2.size() ? Memo2[line] : std::string(), linksFeedUri_);
    ticker_.account().articleOpened(linksFeedUri_, row); // an account's headline is read
}

void TForm5::MoveClick() {
    navigator_->goToTypedAddress();
}

void TForm5::HomeClick() {
    TForm2* options = ticker_.options();
    if (!options)
        return;
    const ReaderOptions choices = options->readerOptions();
    if (!choices.hasHome())
        return;
    navigator_->go(utf8::toQString(choices.homeAddress));
}

void TForm5::RefClick() {
    TUIWebBrowser* browser = navigator_->browser();
    if (browser && browser->GetDocument())
        browser->Refresh();
}

void TForm5::ShellTreeView1DblClick(const QModelIndex& index) {
    if (!favourites_ || !index.isValid() || favourites_->isDir(index))
        return; // folders open and close by themselves
    const std::string path = favourites_->filePath(index).toStdString();
    if (!internetshortcut::isShortcutFile(favourites_->fileName(index).toStdString()))
        return;
    navigator_->go(utf8::toQString(internetshortcut::urlOf(path)));
}

void TForm5::openFavourites() {
    if (favourites_)
        return;
    const QString root = QDir::homePath() + QStringLiteral("/Favorites");
    QDir().mkpath(root);
    favourites_ = new QFileSystemModel(this);
    favourites_->setRootPath(root);
    ShellTreeView1->setModel(favourites_);
    ShellTreeView1->setRootIndex(favourites_->index(root));
    for (int column = 1; column < favourites_->columnCount(); ++column)
        ShellTreeView1->hideColumn(column);
}

void TForm5::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    navigator_->ensureBrowser();
    if (!ShellTreeView1->isHidden())
        openFavourites();
    Splitter1->setSizes({panelWidth_, std::max(1, Splitter1->width() - panelWidth_)});
    Splitter2->setSizes({listHeight_, std::max(1, Splitter2->height() - listHeight_)});
}

void TForm5::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isScreenWide())
        setAddressBoxWidth(width() - readergeometry::kAddressBoxMargin);
}

void TForm5::closeEvent(QCloseEvent* event) {
    ticker_.closeButton()->hide();
    ticker_.SaveSettings();
    event->accept();
}

const AddressHistory& TForm5::history() const {
    return navigator_->history();
}

TUIWebBrowser* TForm5::browser() const {
    return navigator_->browser();
}

void TForm5::setBrowserEnabled(bool enabled) {
    navigator_->setBrowserEnabled(enabled);
}

void TForm5::setBrowserModule(const BrowserModule& module) {
    navigator_->setBrowserModule(module);
}
