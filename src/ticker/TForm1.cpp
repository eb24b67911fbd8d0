#include "ticker/TForm1.h"

#include "LightStr/TLightStr.h"
#include "app/FeedEntry.h"
#include "app/FeedList.h"
#include "app/FeedListFile.h"
#include "app/settings/FontStyle.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/WindowPlacement.h"
#include "articles/TForm3.h"
#include "feed/parse/ArticleHint.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/files/LinkOpener.h"
#include "framework/text/FontFaceMap.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "framework/x11/SystemColor.h"
#include "framework/x11/X11Window.h"
#include "options/SignPage.h"
#include "options/TForm2.h"
#include "reader/TForm5.h"
#include "ticker/SignPointer.h"
#include "ticker/SignSleep.h"
#include "ticker/TickerMenu.h"
#include "ticker/TrayIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <chrono>
#include <functional>
#include <utility>

namespace {
constexpr int kDesignToolBarHeight = 11;
constexpr int kDecLeft = 38;
constexpr int kLaunchPanelWidth = 35;
const char* const kKeyTaken = QT_TRANSLATE_NOOP(
    "TForm1", "他のソフトがキーを利用中のためこのショートカットキーを利用できません。"
              "\r\n設定変更してください。");
const char* const kProgramFailed =
    QT_TRANSLATE_NOOP("TForm1", "指定したプログラムでは開けませんでした。設定を確認してください。");

QPalette backgroundPalette(QPalette palette, std::uint32_t colour) {
    const QColor background = QColor::fromRgb(syscolor::toQRgb(colour));
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    return palette;
}
} // namespace

TForm1::TForm1(FeedList& feeds, std::string settingsDirectory)
    : QWidget(nullptr), feeds_(feeds), settingsDirectory_(std::move(settingsDirectory)) {
    setWindowTitle(QStringLiteral("Glowtape"));
    setAttribute(Qt::WA_QuitOnClose, true);
    buildControls();
    buildMenu();

    const SettingsReader reader(settingsDirectory_ + std::string(settings::kSettingsFileName));
    if (!FormCreate(reader))
        setDescriptionColour(colours_.description);
    // Also after a load stopped by a bad colour: a window 0 pixels high could not be reached,
    // and the rotation must start at the first row.
    if (height() == 0)
        resize(width(), GlowtapeSettings::tickerHeightAfterLoad(0, LightStr1->ShowFontH()));
    state_.feedIndex = -1;
    marks_.seen().load(settingsDirectory_ + std::string(SeenHeadlines::kFileName));
    // A click on the notice opens the article as a double-click on the sign would have.
    marks_.setAnnounce([this](const std::string& feed, const std::string& headline,
                              const std::string& link, const std::string& feedUri) {
        notifier_.notify(utf8::toQString(feed), utf8::toQString(headline),
                         [this, link, feedUri] { OpenLink(link, this, feedUri); });
    });
    modes_->applyWindowFlags();
    FormResize();
    watchFiles();
}

TForm1::~TForm1() {
    // The sleep watch hears the window's own destruction, which comes after the members it
    // reports to are gone: it ends first.
    delete sleep_;
    detachFromDesktop();
}

void TForm1::buildControls() {
    setAutoFillBackground(true);
    resize(192, 44 + kDesignToolBarHeight);

    // Each control carries its name, so that it can be found by it.
    LightStr1 = new TLightStr(this);
    LightStr1->setObjectName(QStringLiteral("LightStr1"));
    LightStr1->setGeometry(0, 0, 192, 44);
    LightStr1->setFontName(verticalFontName_);
    LightStr1->setFontHeight(-12);
    LightStr1->setLightColor(0x0000FF00);
    LightStr1->setDarkColor(0x00808000);
    LightStr1->setBackColor(0x00000000);
    LightStr1->setBit(4);
    LightStr1->OnDblClick = [this](TLightStr*) { LightStr1DblClick(); };
    sleep_ =
        new SignSleep(*LightStr1, *this, [this](bool asleep) { asleepRefresh_.setAsleep(asleep); });
    asleepRefresh_.setFinished([this] {
        if (rotation_)
            rotation_->keepRunning();
    });
    // The ticker is seldom the active window; its tooltip shows all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    new SignPointer(
        *LightStr1,
        [this] {
            const ArticleRecord record =
                stores_.record(std::size_t(std::max(state_.articleIndex, 0)));
            return articleHint(record.title, record.description);
        },
        // The speed trackbar shows what the wheel chose.
        [this] {
            if (options_ && options_->isVisible())
                options_->signPage()->presetFromTicker();
        });
    LightStr1->OnLineNext = [this](TLightStr*, int) {
        if (rotation_)
            rotation_->LightStr1LineNext();
    };
    LightStr1->OnShowActive = [this](TLightStr*, bool active) {
        if (rotation_)
            rotation_->LightStr1ShowActive(active);
    };

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setAutoFillBackground(true);
    ToolBar1->resize(width(), kDesignToolBarHeight);
    LeftPanel = new QWidget(ToolBar1);
    LeftPanel->setObjectName(QStringLiteral("LeftPanel"));
    LeftPanel->setAutoFillBackground(true);
    LeftPanel->setGeometry(0, 0, 0, kDesignToolBarHeight);
    Button1 = new QPushButton(LeftPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(6, 0, 10, 10);
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->setToolTip(tr("ニュースリーダー表示"));
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (menuReady())
            N10Click();
    });
    Button2 = new QPushButton(LeftPanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(24, 0, 10, 10);
    Button2->setFocusPolicy(Qt::NoFocus);
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    Dec = new QLabel(ToolBar1);
    Dec->setObjectName(QStringLiteral("Dec"));
    Dec->setAutoFillBackground(true);
    Dec->setTextFormat(Qt::PlainText);
    Dec->move(kDecLeft, 0);
    ToolBar1->raise();
}

void TForm1::buildMenu() {
    TickerMenu::Commands commands;
    commands.openLink = [this] { LightStr1DblClick(); };
    commands.showReader = [this] { N10Click(); };
    commands.listFeeds = [this] {
        if (articles_)
            articles_->N11Click();
    };
    commands.listArticles = [this] {
        if (articles_)
            articles_->N16Click();
    };
    commands.nextFeed = [this] { nextFeed(); };
    commands.nextArticle = [this] {
        if (rotation_ && menu_->feedComposed())
            rotation_->N13Click();
    };
    commands.addFeed = [this] { N14Click(); };
    commands.options = [this] { N3Click(); };
    commands.help = [this] { Help1Click(); };
    commands.exit = [this] { close(); };
    menu_ = new TickerMenu(this, commands);
    PopupMenu1 = menu_->menu();
    buildWindowModes();
}

void TForm1::buildWindowModes() {
    WindowModes::Hooks hooks;
    hooks.dockAtFirstEdge = [this] { return options_ && options_->dockAtFirstEdge(); };
    hooks.orientationChanged = [this](bool vertical) { orientationChanged(vertical); };
    hooks.nativeWindowDestroyed = [this] {
        if (attachedToDesktop_)
            detachFromDesktop();
    };
    // Showing the window again attaches it; a hidden one is attached at its next showing.
    hooks.nativeWindowCreated = [this] {
        if (isVisible() && !attachedToDesktop_)
            attachToDesktop();
    };
    modes_ = std::make_unique<WindowModes>(*this, *LightStr1, menu_->modeItems(), std::move(hooks));
    menu_->wireModes(*modes_);

    tray_ = new TrayIcon(
        *PopupMenu1, [this] { LightStr1DblClick(); }, this);
    hotKeys_ = std::make_unique<HotKeys>(
        settingsDirectory_ + std::string(settings::kDataFileName),
        std::array<HotKeys::Action, hotkeys::kSlotCount>{
            [this] { showReaderFromKey(); }, [this] { closeReaderFromKey(); },
            [this] { nextFeed(); }, [this] { previousFeed(); }},
        [] { messagebox::notice(nullptr, utf8::fromQString(tr(kKeyTaken))); });
}

void TForm1::attachToDesktop() {
    attachedToDesktop_ = true;
    tray_->add();
    hotKeys_->registerAll();
}

void TForm1::detachFromDesktop() {
    attachedToDesktop_ = false;
    hotKeys_->unregisterAll();
    tray_->remove();
}

bool TForm1::FormCreate(const SettingsReader& reader) {
    using namespace settings;
    const bool border = reader.is(option::OP0, flag::True);
    menu_->modeItems().border->setChecked(border);
    if (!border)
        LightStr1->resize(width() + 2, LightStr1->height());

    windowplacement::restore(*this, reader, window::T, window::L, window::W, window::H);
    LightStr1->setBit(reader.integer(window::B));

    // Each colour is applied as it is read; one that cannot be read stops the loading there.
    const std::pair<const SettingKey*, std::function<void(std::uint32_t)>> colourKeys[] = {
        {&color::font, [this](std::uint32_t c) { colours_.article = c; }},
        {&color::title, [this](std::uint32_t c) { colours_.title = c; }},
        {&color::dark, [this](std::uint32_t c) { LightStr1->setDarkColor(c); }},
        {&color::back, [this](std::uint32_t c) { LightStr1->setBackColor(c); }},
        {&color::dec, [this](std::uint32_t c) { setDescriptionColour(c); }},
    };
    for (const auto& [key, apply] : colourKeys) {
        const ColourRead read = reader.colour(*key);
        if (!read.colour) {
            messagebox::error(nullptr, read.error);
            return false;
        }
        apply(*read.colour);
    }

    articleFontName_ = reader.text(font::name1);
    verticalFontName_ = reader.text(font::name2);
    LightStr1->setFontStyle(reader.integer(font::OP1));
    LightStr1->setShowFontH(reader.integer(font::size1));
    LightStr1->setFontName(articleFontName_);
    articleFontStyle_ = LightStr1->FontStyle();

    descriptionFontName_ = reader.text(font::name3);
    descriptionFontStyle_ = reader.integer(font::OP2);
    descriptionFontSize_ = reader.integer(font::size2);
    applyDescriptionFont();
    setToolBarHeightFromFont();

    if (reader.is(option::OP6, flag::True))
        menu_->modeItems().topmost->setChecked(true); // applied with the window flags
    if (reader.is(option::Direct, flag::True)) {
        LightStr1->setDirection(true);
        Dec->hide();
        LightStr1->setFontName(verticalFontName_);
        LightStr1->resize(LightStr1->width(), height());
    }
    if (reader.is(option::Rever, flag::False))
        LightStr1->setReverse(false);
    LightStr1->setPauseOnHover(!reader.is(option::Hover, flag::False));
    LightStr1->setShowInterval(static_cast<unsigned>(reader.integer(option::OP5)));
    LightStr1->setSpace(reader.integer(option::OP9));
    LightStr1->setBit(reader.integer(option::OP10));
    LightStr1->setSending(reader.integer(option::OP16));
    applyBackColour();
    return true;
}

void TForm1::applyDescriptionFont() {
    QFont font(FontFaceMap::family(descriptionFontName_));
    font.setPointSize(std::max(1, descriptionFontSize_));
    fontstyle::apply(descriptionFontStyle_, font);
    Dec->setFont(font);
}

void TForm1::setToolBarHeightFromFont() {
    Button1->resize(Button1->width(), descriptionFontSize_ + 3);
    Button2->resize(Button2->width(), descriptionFontSize_ + 3);
    ToolBar1->resize(ToolBar1->width(), descriptionFontSize_ + 6);
}

void TForm1::setArticleFont(const std::string& name, int size, int style) {
    const bool vertical = LightStr1->Direction();
    (vertical ? verticalFontName_ : articleFontName_) = name;
    LightStr1->setFontName(name);
    LightStr1->setShowFontH(size);
    LightStr1->setFontStyle(style);
    articleFontStyle_ = LightStr1->FontStyle();
}

void TForm1::setDescriptionFont(const std::string& name, int size, int style) {
    descriptionFontName_ = name;
    descriptionFontSize_ = size;
    descriptionFontStyle_ = style;
    applyDescriptionFont();
    setToolBarHeightFromFont();
    FormResize();
}

void TForm1::setDescriptionColour(std::uint32_t colour) {
    colours_.description = colour;
    QPalette palette = Dec->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(syscolor::toQRgb(colour)));
    Dec->setPalette(palette);
}

void TForm1::applyBackColour() {
    const std::uint32_t back = LightStr1->BackColor();
    for (QWidget* widget :
         {static_cast<QWidget*>(this), ToolBar1, LeftPanel, static_cast<QWidget*>(Dec)})
        widget->setPalette(backgroundPalette(widget->palette(), back));
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    x11window::setSkipTaskbar(this);
    if (!attachedToDesktop_)
        attachToDesktop();
}

void TForm1::attachOptions(TForm2* options, const LineChoices& choices) {
    options_ = options;
    FeedView& view = *this;
    rotation_ = std::make_unique<FeedRotation>(*LightStr1, stores_, state_, feeds_, view,
                                               accountFetch_, downloader_, colours_, choices);
    rotation_->setMarks(&marks_);
}

void TForm1::setLaunchButtonsShown(bool shown) {
    LeftPanel->resize(shown ? kLaunchPanelWidth : 0, LeftPanel->height());
}

void TForm1::setDescriptionBarAtTop(bool top) {
    descriptionAtTop_ = top;
    FormResize();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize() {
    const int barHeight = ToolBar1->height();
    ToolBar1->setGeometry(0, descriptionAtTop_ ? 0 : height() - barHeight, width(), barHeight);
    LeftPanel->resize(LeftPanel->width(), barHeight);
    Dec->setGeometry(kDecLeft, 0, std::max(0, width() - kDecLeft), barHeight);
    // The sign reaches one pixel past the right edge and overlaps the bar by one pixel.
    LightStr1->setGeometry(0, descriptionAtTop_ ? barHeight : 0, width() + 1,
                           height() - barHeight + 1);
}

void TForm1::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
    QApplication::quit();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

void TForm1::collectSettings(GlowtapeSettings& settings) const {
    // While docked, the bounds to come back to, so that a restart docks from them again.
    settings.ticker =
        modes_->alwaysShow() ? modes_->savedBounds() : windowplacement::boundsOf(*this);
    settings.bit = LightStr1->Bit();
    settings.articleColour = colours_.article;
    settings.titleColour = colours_.title;
    settings.darkColour = LightStr1->DarkColor();
    settings.backColour = LightStr1->BackColor();
    settings.descriptionColour = colours_.description;
    settings.articleFontName = articleFontName_;
    settings.verticalFontName = verticalFontName_;
    settings.articleFontStyle = articleFontStyle_;
    settings.textHeight = LightStr1->ShowFontH();
    settings.descriptionFontName = descriptionFontName_;
    settings.descriptionFontStyle = descriptionFontStyle_;
    settings.descriptionFontSize = descriptionFontSize_;
    settings.border = menu_->modeItems().border->isChecked();
    settings.showInterval = static_cast<int>(LightStr1->ShowInterval());
    settings.topmost = menu_->modeItems().topmost->isChecked();
    settings.alwaysShow = modes_->alwaysShow();
    settings.space = LightStr1->Space();
    settings.sending = LightStr1->Sending();
    settings.vertical = LightStr1->Direction();
    settings.reverse = LightStr1->Reverse();
    settings.pauseOnHover = LightStr1->PauseOnHover();
}

GlowtapeSettings TForm1::gatherSettings() const {
    GlowtapeSettings settings = GlowtapeSettings::defaults();
    collectSettings(settings);
    if (options_)
        options_->collectSettings(settings);
    if (articles_)
        articles_->collectSettings(settings);
    if (reader_)
        reader_->collectSettings(settings);
    return settings;
}

void TForm1::watchFiles() {
    using std::chrono::seconds;
    const std::string settingsPath = settingsDirectory_ + std::string(settings::kSettingsFileName);
    saver_.watch<GlowtapeSettings>(
        [this] { return gatherSettings(); },
        [settingsPath](const GlowtapeSettings& settings) { return settings.save(settingsPath); },
        seconds(2));
    const std::string feedListPath = settingsDirectory_ + std::string(FeedListFile::kFileName);
    saver_.watch<std::vector<FeedEntry>>([this] { return feeds_.ownEntries(); },
                                         [feedListPath](const std::vector<FeedEntry>& entries) {
                                             return FeedListFile::write(feedListPath, entries);
                                         },
                                         seconds(2));
    // The seen headlines change with every line shown; once in a while is enough.
    const std::string seenPath = settingsDirectory_ + std::string(SeenHeadlines::kFileName);
    saver_.watch<std::uint64_t>(
        [this] { return marks_.seen().revision(); },
        [this, seenPath](const std::uint64_t&) { return marks_.seen().save(seenPath); },
        seconds(30));
}

void TForm1::startSaving() {
    saver_.start();
}

void TForm1::saveChanges() {
    saver_.flush(true);
}

void TForm1::SaveSettings() {
    saver_.writeAll();
    // The raw line store served the original as the feed list's buffer; it is left empty.
    stores_.Memo1.clear();
}

void TForm1::LightStr1DblClick() {
    if (!rotation_)
        return;
    OpenLink(rotation_->currentLink(), this, stores_.sourceUri);
    articleOpened(state_.articleIndex);
}

void TForm1::articleOpened(int record) {
    account_.articleOpened(stores_.sourceUri, record);
}

void TForm1::OpenLink(const std::string& link, QWidget* owner, const std::string& feedUri) {
    const std::string program = options_ ? options_->browserProgram() : std::string();
    if (LinkOpener().open(link, program, feedUri) == LinkOpener::Result::ProgramFailed)
        messagebox::warning(owner, utf8::fromQString(tr(kProgramFailed)));
}

void TForm1::N3Click() {
    QAction* item = menu_->optionsItem();
    item->setChecked(options_ && options_->isVisible());
    if (!options_)
        return;
    if (options_->isVisible()) {
        item->setChecked(false);
        options_->close();
        return;
    }
    item->setChecked(true);
    if (reader_ && reader_->isVisible())
        reader_->close();
    Button2->show();
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void TForm1::N14Click() {
    openOptionsAt(4);
}

void TForm1::Help1Click() {
    openOptionsAt(6);
}

void TForm1::openOptionsAt(int category) {
    if (!options_)
        return;
    options_->close();
    N3Click();
    options_->selectCategory(category);
}

void TForm1::Button2Click() {
    if (reader_)
        reader_->close();
    if (options_)
        options_->close();
    Button2->hide();
}

void TForm1::N10Click() {
    if (reader_)
        reader_->ShowReader();
}

void TForm1::bringToFront() {
    raise();
    activateWindow();
}

void TForm1::showReaderFromKey() {
    bringToFront();
    N10Click();
}

// The jumps need a composed feed.
void TForm1::nextFeed() {
    if (rotation_ && menuReady())
        rotation_->N9Click();
}

void TForm1::previousFeed() {
    if (rotation_ && menuReady())
        rotation_->PreviousFeed();
}

void TForm1::closeReaderFromKey() {
    bringToFront();
    if (reader_ && reader_->isVisible())
        Button2Click();
}

void TForm1::orientationChanged(bool vertical) {
    LightStr1->setFontName(vertical ? verticalFontName_ : articleFontName_);
    Dec->setVisible(!vertical);
    if (options_)
        options_->setVerticalCaptions(vertical);
}

void TForm1::appendShowString(const std::string& line) {
    LightStr1->ShowStrings().push_back(line);
}

// Replacing the lines in place keeps the sign's line index, as the rotation expects.
void TForm1::setShowStrings(const std::vector<std::string>& lines) {
    LightStr1->ShowStrings() = lines;
}

void TForm1::startShow() {
    LightStr1->StartShow();
}

void TForm1::setCaption(const std::string& caption) {
    setWindowTitle(utf8::toQString(caption));
}

void TForm1::setDec(const std::string& text) {
    Dec->setText(utf8::toQString(text));
}

void TForm1::setTrayTip(const std::string& tip) {
    trayTip_ = tip;
    tray_->setTip(tip);
}

bool TForm1::menuReady() const {
    return menu_->feedComposed();
}

QAction* TForm1::optionsAction() const {
    return menu_->optionsItem();
}

void TForm1::setMenuReady() {
    menu_->setFeedComposed();
}
