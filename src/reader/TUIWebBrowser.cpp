#include "reader/TUIWebBrowser.h"

#include "reader/BrowserModule.h"

#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// Keys that are commands rather than typing: anything with Control or Alt and the
// function keys. Backspace and the arrows stay with the page, as they edit and scroll.
bool isAccelerator(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    return key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
}

} // namespace

TUIWebBrowser* TUIWebBrowser::create(QWidget* parent, const BrowserModule& module,
                                     const BrowserHostPolicy& policy) {
    auto* browser = new TUIWebBrowser(parent, policy);
    WebView* view = module.createView(browser, *browser);
    if (!view) {
        delete browser;
        return nullptr;
    }
    browser->attach(view);
    return browser;
}

TUIWebBrowser::TUIWebBrowser(QWidget* parent, const BrowserHostPolicy& policy)
    : QFrame(parent), policy_(policy) {
    setObjectName(QStringLiteral("WebBrowser1"));
}

void TUIWebBrowser::attach(WebView* view) {
    view_.reset(view);
    QWidget* widget = view_->widget();
    widget->setAccessibleName(tr("ブラウザ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    connect(widget, &QWidget::customContextMenuRequested, this, &TUIWebBrowser::showPopupMenu);
    applyPolicy();
    THookApplicationMessage::application().AddHook(&AppMessageTarget::HandleAppMessage, this);
}

TUIWebBrowser::~TUIWebBrowser() {
    if (!view_)
        return;
    THookApplicationMessage::application().RemoveHook(&AppMessageTarget::HandleAppMessage, this);
    view_.reset();
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
    view_->apply(s);
    setFrameStyle(s.pageBorder ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    QWidget* widget = view_->widget();
    switch (s.contextMenu) {
    case EngineSettings::ContextMenu::Engine:
        widget->setContextMenuPolicy(Qt::DefaultContextMenu);
        break;
    case EngineSettings::ContextMenu::Popup:
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        break;
    case EngineSettings::ContextMenu::None:
        widget->setContextMenuPolicy(Qt::NoContextMenu);
        break;
    }
}

void TUIWebBrowser::showPopupMenu(const QPoint& position) {
    if (PopupMenu)
        PopupMenu->popup(view_->widget()->mapToGlobal(position));
}

void TUIWebBrowser::HandleAppMessage(QObject* receiver, QEvent* event, bool& handled) {
    if (handled || policy_.IeEnableAccelerator)
        return;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return;
    auto* widget = qobject_cast<QWidget*>(receiver);
    QWidget* page = view_->widget();
    if (!widget || (widget != page && !page->isAncestorOf(widget)))
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

void TUIWebBrowser::loadFinished() {
    loaded_ = true;
    reportCommandStates();
    emit NavigateComplete2(LocationURL());
}

void TUIWebBrowser::reportCommandStates() {
    emit CommandStateChange(CSC_NAVIGATEFORWARD, view_->canGoForward());
    emit CommandStateChange(CSC_NAVIGATEBACK, view_->canGoBack());
}
