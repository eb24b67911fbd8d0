#include "browser/EngineWebView.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

QString dataDirectory(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + QStringLiteral("/glowtape");
}

} // namespace

QWebEngineProfile* EngineWebView::profile() {
    static QWebEngineProfile* shared = nullptr;
    if (!shared) {
        // The engine draws its widgets through OpenGL; a program linked with the engine has
        // this set before its application object exists, this module only now.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
        shared = new QWebEngineProfile(QStringLiteral("glowtape"), QCoreApplication::instance());
        shared->setPersistentStoragePath(dataDirectory(QStandardPaths::GenericDataLocation) +
                                         QStringLiteral("/browser"));
        shared->setCachePath(dataDirectory(QStandardPaths::GenericCacheLocation) +
                             QStringLiteral("/browser"));
        shared->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    }
    return shared;
}

EngineWebView::EngineWebView(QWidget* parent, WebViewListener& listener) : QWebEngineView(parent) {
    setPage(new QWebEnginePage(profile(), this));
    QWebEnginePage* page = this->page();
    WebViewListener* host = &listener;
    connect(page, &QWebEnginePage::linkHovered, this,
            [host](const QString& url) { host->linkHovered(url); });
    connect(page, &QWebEnginePage::titleChanged, this,
            [host](const QString& title) { host->titleChanged(title); });
    connect(page, &QWebEnginePage::urlChanged, this, [host] { host->urlChanged(); });
    connect(page, &QWebEnginePage::loadFinished, this, [host] { host->loadFinished(); });
}

EngineWebView::~EngineWebView() {
    // The host is going away: nothing the page does while it closes reaches it.
    page()->disconnect(this);
}

void EngineWebView::apply(const EngineSettings& s) {
    QWebEngineSettings* engine = page()->settings();
    engine->setAttribute(QWebEngineSettings::AutoLoadImages, s.autoLoadImages);
    engine->setAttribute(QWebEngineSettings::JavascriptEnabled, s.javascriptEnabled);
    engine->setAttribute(QWebEngineSettings::ShowScrollBars, s.showScrollBars);
    engine->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                         s.playbackRequiresUserGesture);
    engine->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    page()->setAudioMuted(s.audioMuted);
    page()->profile()->setHttpCacheType(s.httpCache ? QWebEngineProfile::DiskHttpCache
                                                    : QWebEngineProfile::NoCache);
}

void EngineWebView::load(const QUrl& url) {
    // Only a local page, one the user or a local feed chose, may read other local files; a
    // web page never does.
    page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls,
                                     url.isLocalFile());
    QWebEngineView::load(url);
}

bool EngineWebView::canGoBack() const {
    return history()->canGoBack();
}

bool EngineWebView::canGoForward() const {
    return history()->canGoForward();
}

void EngineWebView::runJavaScript(const QString& script,
                                  const std::function<void(const QVariant&)>& result) {
    page()->runJavaScript(script, result);
}

// The module's entry point. Nothing may escape into the program, which knows no exception
// of the engine's.
extern "C" __attribute__((visibility("default"))) WebView*
glowtape_create_web_view(QWidget* parent, WebViewListener* listener) {
    try {
        return listener ? new EngineWebView(parent, *listener) : nullptr;
    } catch (...) {
        return nullptr;
    }
}
