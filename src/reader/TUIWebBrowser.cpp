#include "reader/TUIWebBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Keys that are commands rather than typing: anything with Control or Alt and the
// function keys. Backspace and the arrows stay with the page, as they edit and scroll.
bool isAccelerator(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    return key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
}

QString dataDirectory(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + QStringLiteral("/glowtape");
}

} // namespace

QWebEngineProfile* TUIWebBrowser::profile() {
    static QWebEngineProfile* shared = nullptr;
    if (!shared) {
        shared = new QWebEngineProfile(QStringLiteral("glowtape"), QCoreApplication::instance());
        shared->setPersistentStoragePath(dataDirectory(QStandardPaths::GenericDataLocation) +
                                         QStringLiteral("/browser"));
        shared->setCachePath(dataDirectory(QStandardPaths::GenericCacheLocation) +
                             QStringLiteral("/browser"));
        shared->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    }
    return shared;
}

TUIWebBrowser::TUIWebBrowser(QWidget* parent, const BrowserHostPolicy& policy)
    : QFrame(parent), policy_(policy) {
    setObjectName(QStringLiteral("WebBrowser1"));
    view_ = new QWebEngineView(this);
    view_->setPage(new QWebEnginePage(profile(), view_));
    view_->setAccessibleName(QStringLiteral("ブラウザ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    QWebEnginePage* page = view_->page();
    connect(page, &QWebEnginePage::linkHovered, this, &TUIWebBrowser::StatusTextChange);
    connect(page, &QWebEnginePage::titleChanged, this, &TUIWebBrowser::TitleChange);
    connect(page, &QWebEnginePage::urlChanged, this, &TUIWebBrowser::reportCommandStates);
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool) {
        loaded_ = true;
        reportCommandStates();
        emit NavigateComplete2(LocationURL());
    });
    connect(view_, &QWidget::customContextMenuRequested, this, &TUIWebBrowser::showPopupMenu);

    applyPolicy();
    THookApplicationMessage::application().AddHook(&AppMessageTarget::HandleAppMessage, this);
}

TUIWebBrowser::~TUIWebBrowser() {
    THookApplicationMessage::application().RemoveHook(&AppMessageTarget::HandleAppMessage, this);
}

void TUIWebBrowser::setPolicy(const BrowserHostPolicy& policy) {
    policy_ = policy;
    applyPolicy();
}

void TUIWebBrowser::setPopupMenu(QMenu* menu) {
    PopupMenu = menu;
    applyPolicy();
}

void TUIWebBrowser::applyPolicy() {
    const EngineSettings s = policy_.engineSettings(PopupMenu != nullptr);
    QWebEngineSettings* engine = view_->page()->settings();
    engine->setAttribute(QWebEngineSettings::AutoLoadImages, s.autoLoadImages);
    engine->setAttribute(QWebEngineSettings::JavascriptEnabled, s.javascriptEnabled);
    engine->setAttribute(QWebEngineSettings::ShowScrollBars, s.showScrollBars);
    engine->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                         s.playbackRequiresUserGesture);
    engine->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view_->page()->setAudioMuted(s.audioMuted);
    view_->page()->profile()->setHttpCacheType(s.httpCache ? QWebEngineProfile::DiskHttpCache
                                                           : QWebEngineProfile::NoCache);
    setFrameStyle(s.pageBorder ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    switch (s.contextMenu) {
    case EngineSettings::ContextMenu::Engine:
        view_->setContextMenuPolicy(Qt::DefaultContextMenu);
        break;
    case EngineSettings::ContextMenu::Popup:
        view_->setContextMenuPolicy(Qt::CustomContextMenu);
        break;
    case EngineSettings::ContextMenu::None:
        view_->setContextMenuPolicy(Qt::NoContextMenu);
        break;
    }
}

void TUIWebBrowser::showPopupMenu(const QPoint& position) {
    if (PopupMenu)
        PopupMenu->popup(view_->mapToGlobal(position));
}

void TUIWebBrowser::HandleAppMessage(QObject* receiver, QEvent* event, bool& handled) {
    if (handled || policy_.IeEnableAccelerator)
        return;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || (widget != view_ && !view_->isAncestorOf(widget)))
        return;
    if (isAccelerator(*static_cast<QKeyEvent*>(event)))
        handled = true;
}

void TUIWebBrowser::Navigate(const QUrl& url) {
    view_->load(url);
}

void TUIWebBrowser::GoBack() {
    view_->back();
}

void TUIWebBrowser::GoForward() {
    view_->forward();
}

void TUIWebBrowser::Refresh() {
    if (GetDocument())
        view_->reload();
}

bool TUIWebBrowser::GetDocument() const {
    return loaded_ && !view_->url().isEmpty();
}

QUrl TUIWebBrowser::LocationURL() const {
    return view_->url();
}

void TUIWebBrowser::reportCommandStates() {
    QWebEngineHistory* history = view_->history();
    emit CommandStateChange(CSC_NAVIGATEFORWARD, history->canGoForward());
    emit CommandStateChange(CSC_NAVIGATEBACK, history->canGoBack());
}
