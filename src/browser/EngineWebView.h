#pragma once

#include "reader/WebView.h"

#include <QWebEngineView>

class QWebEngineProfile;

// The reader's web view on Qt WebEngine, inside the browser module.
class EngineWebView : public QWebEngineView, public WebView {
public:
    EngineWebView(QWidget* parent, WebViewListener& listener);
    ~EngineWebView() override;

    QWidget* widget() override { return this; }
    void apply(const EngineSettings& settings) override;
    void load(const QUrl& url) override;
    void back() override { QWebEngineView::back(); }
    void forward() override { QWebEngineView::forward(); }
    void reload() override { QWebEngineView::reload(); }
    QUrl url() const override { return QWebEngineView::url(); }
    bool canGoBack() const override;
    bool canGoForward() const override;
    void runJavaScript(const QString& script,
                       const std::function<void(const QVariant&)>& result) override;

    // The program's one browser profile: persistent, under the program's data directory,
    // shared with no other program.
    static QWebEngineProfile* profile();
};
