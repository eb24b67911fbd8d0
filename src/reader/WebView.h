#pragma once

#include "reader/BrowserHostPolicy.h"

#include <QString>
#include <QUrl>
#include <QVariant>
#include <functional>

class QWidget;

// What the web view tells its host, always on the window thread.
class WebViewListener {
public:
    virtual void linkHovered(const QString& url) = 0;
    virtual void titleChanged(const QString& title) = 0;
    virtual void urlChanged() = 0;
    virtual void loadFinished() = 0;

protected:
    ~WebViewListener() = default;
};

// The web engine's view as the reader uses it. The browser module implements it, so that
// the program itself links nothing of the engine and the ticker alone never loads it.
// Plain virtual functions only: no Qt meta-object crosses the module's border.
class WebView {
public:
    virtual ~WebView() = default;

    // The view's widget, a child of the parent the view was made for; it lives as long as
    // this object.
    virtual QWidget* widget() = 0;
    // The engine's side of the host policy; the frame and the menus are the host's.
    virtual void apply(const EngineSettings& settings) = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void reload() = 0;
    virtual QUrl url() const = 0;
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;
    // Runs a script in the page; its result arrives later on the window thread.
    virtual void runJavaScript(const QString& script,
                               const std::function<void(const QVariant&)>& result) = 0;
};

// The module's one entry point: a view in `parent` reporting to `listener`, or nullptr when
// the engine cannot make one. Never throws.
using CreateWebViewFunction = WebView* (*)(QWidget* parent, WebViewListener* listener);
inline constexpr char kCreateWebViewSymbol[] = "glowtape_create_web_view";
