#include "articles/TForm3.h"

#include "LightStr/TLightStr.h"
#include "account/AccountFeedUri.h"
#include "app/FeedList.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/WindowPlacement.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "framework/widgets/ModelChanges.h"
#include "framework/x11/SystemColor.h"
#include "ticker/TForm1.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace {
QString feedSelectCaption() {
    return TForm3::tr("ニュースセレクト");
}
constexpr std::uint32_t kGreyed = 0x00808080; // clGray

QColor colourOf(std::uint32_t colour) {
    return QColor::fromRgb(syscolor::toQRgb(colour));
}
} // namespace

TForm3::TForm3(TForm1& ticker, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      ticker_(ticker) {
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setAccessibleName(tr("記事一覧"));
    List->setFrameShape(QFrame::NoFrame);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setUniformItemSizes(true);
    List->setItemDelegate(
        new RowStyleDelegate([this](int row) { return ListCustomDrawItem(row); }, List));
    // The selection stays as visible as with focus.
    QPalette palette = List->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    List->setPalette(palette);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List);
    connect(List, &QListWidget::itemDoubleClicked, this, [this] { ListDblClick(); });
    buildMenu();

    using namespace settings;
    const SettingsReader reader(settingsDirectory + std::string(kSettingsFileName));
    windowplacement::restore(*this, reader, window3::T, window3::L, window3::W, window3::H);
    if (FeedRotation* rotation = ticker_.rotation())
        rotation->setFollower(this);
    onAnyRowChange(ticker_.feeds(), this, [this] { refreshFeedSelect(); });
}

void TForm3::buildMenu() {
    PopupMenu1 = new QMenu(this);
    auto add = [this](const QString& caption, void (TForm3::*handler)()) {
        QAction* action = PopupMenu1->addAction(caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    PopupMenu1->setDefaultAction(add(tr("URIへジャンプ"), &TForm3::N7Click));
    PopupMenu1->addSeparator();
    add(tr("記事一覧"), &TForm3::N16Click);
    add(tr("ニュース一覧"), &TForm3::N11Click);
    PopupMenu1->addSeparator();
    N4 = add(tr("ニュースの削除"), &TForm3::N4Click);
    PopupMenu1->addSeparator();
    // An account's headlines are read on its server too.
    MarkRead = add(tr("既読にする"), &TForm3::MarkReadClick);
    MarkAllRead = add(tr("すべて既読にする"), &TForm3::MarkAllReadClick);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        const bool account = !feedSelectMode() && accountfeed::feedIdOf(ticker_.stores().sourceUri);
        MarkRead->setEnabled(account && List->currentRow() > 0);
        MarkAllRead->setEnabled(account);
    });
    List->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(List->viewport()->mapToGlobal(at)); });
}

void TForm3::collectSettings(GlowtapeSettings& settings) const {
    settings.articles = windowplacement::boundsOf(*this);
}

bool TForm3::feedSelectMode() const {
    return windowTitle() == feedSelectCaption();
}

void TForm3::fill(const std::vector<std::string>& rows, int selected) {
    QPalette palette = List->palette();
    palette.setColor(QPalette::Base, colourOf(ticker_.sign()->BackColor()));
    palette.setColor(QPalette::Text, colourOf(ticker_.colours().article));
    List->setPalette(palette);
    List->clear();
    for (const std::string& row : rows)
        List->addItem(utf8::toQString(row));
    selectRow(selected);
}

void TForm3::selectRow(int row) {
    if (row >= 0 && row < List->count())
        List->setCurrentRow(row);
}

void TForm3::N16Click() {
    show();
    const LineStores& stores = ticker_.stores();
    const RotationState& state = ticker_.rotationState();
    const FeedList& feeds = ticker_.feeds();
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < stores.recordCount(); ++i)
        rows.push_back(stores.Memo2.line(i));
    fill(rows, state.articleIndex);
    // With no records the caption stays, and with it the mode.
    if (!rows.empty() && state.feedIndex >= 0 && state.feedIndex < feeds.count())
        setWindowTitle(utf8::toQString(feeds.entry(state.feedIndex).title));
    N4->setEnabled(false);
}

void TForm3::N11Click() {
    show();
    std::vector<std::string> rows;
    for (const FeedEntry& entry : ticker_.feeds().entries())
        rows.push_back(entry.title);
    fill(rows, ticker_.rotationState().feedIndex);
    setWindowTitle(feedSelectCaption());
    N4->setEnabled(true);
}

void TForm3::refreshFeedSelect() {
    if (isVisible() && feedSelectMode())
        N11Click();
}

void TForm3::feedStarted() {
    if (!isVisible())
        return;
    if (feedSelectMode())
        selectRow(ticker_.rotationState().feedIndex);
    else
        N16Click();
}

void TForm3::articleStarted(int article) {
    if (isVisible() && !feedSelectMode())
        selectRow(article);
}

void TForm3::ListDblClick() {
    FeedRotation* rotation = ticker_.rotation();
    const int row = List->currentRow();
    // Row 0 is never activated: in article mode it is the feed itself.
    if (!rotation || rotation->loading() || row <= 0)
        return;
    if (!feedSelectMode()) {
        rotation->jumpToArticle(row);
        return;
    }
    FeedList& feeds = ticker_.feeds();
    if (row >= feeds.count())
        return;
    if (!feeds.isShown(row)) {
        if (!messagebox::confirm(this,
                                 utf8::fromQString(tr("このニュースは非表示の設定になっています。"
                                                      "\r\n\r\n表示可能にしますか？"))))
            return;
        FeedEntry entry = feeds.entry(row);
        entry.shown = std::string(feedmark::Shown);
        feeds.replace(row, std::move(entry));
    }
    rotation->jumpToFeed(row);
}

void TForm3::N7Click() {
    const int row = List->currentRow();
    if (row < 0)
        return;
    if (!feedSelectMode()) {
        ticker_.OpenLink(ticker_.stores().Memo3.line(static_cast<std::size_t>(row)), this,
                         ticker_.stores().sourceUri);
        ticker_.articleOpened(row);
    } else if (row < ticker_.feeds().count())
        ticker_.OpenLink(ticker_.feeds().entry(row).uri, this, {});
}

void TForm3::MarkReadClick() {
    if (!feedSelectMode())
        ticker_.articleOpened(List->currentRow());
}

void TForm3::MarkAllReadClick() {
    if (!feedSelectMode())
        ticker_.account().feedRead(ticker_.stores().sourceUri);
}

void TForm3::N4Click() {
    const int row = List->currentRow();
    if (row < 0) {
        messagebox::warning(this, utf8::fromQString(tr("削除するものを選択してください。")));
        return;
    }
    ticker_.feeds().remove(row);
}

// The sign's palette: its background between the rows, alternate rows in the unlit-dot
// colour, articles and descriptions in their colours, the feed's own title in the title
// colour.
RowStyle TForm3::ListCustomDrawItem(int row) const {
    const TLightStr& sign = *ticker_.sign();
    const TickerColours& colours = ticker_.colours();
    RowStyle style;
    if (row % 2 == 1) {
        style.background = colourOf(sign.BackColor());
        style.text = colourOf(colours.description);
    } else {
        style.background = colourOf(sign.DarkColor());
        style.text = colourOf(colours.article);
    }
    if (row == 0 && !feedSelectMode()) {
        style.text = colourOf(colours.title);
        style.bold = true;
    }
    // Muted articles never reach the sign; here they stay, greyed.
    if (row > 0 && !feedSelectMode() &&
        ticker_.headlineMarks().muted(ticker_.stores().record(static_cast<std::size_t>(row))))
        style.text = colourOf(kGreyed);
    return style;
}

void TForm3::closeEvent(QCloseEvent* event) {
    ticker_.SaveSettings();
    event->accept();
}
