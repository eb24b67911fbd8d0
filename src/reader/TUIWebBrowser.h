#pragma once

#include "reader/BrowserHostPolicy.h"
#include "reader/THookApplicationMessage.h"
#include "reader/WebView.h"

#include <QFrame>
#include <QUrl>
#include <memory>

class BrowserModule;
class QMenu;

// The reader's embedded browser: the browser module's web view under the host's policy.
// Created the first time the reader is shown, so that the ticker alone never starts the
// engine.
class TUIWebBrowser : public QFrame, public AppMessageTarget, private WebViewListener {
    Q_OBJECT
public:
    enum Command { CSC_NAVIGATEFORWARD = 1, CSC_NAVIGATEBACK = 2 };

    // The browser over a view of the module, or nullptr when the module cannot make one.
    static TUIWebBrowser* create(QWidget* parent, const BrowserModule& module,
                                 const BrowserHostPolicy& policy = {});
    ~TUIWebBrowser() override;

    const BrowserHostPolicy& policy() const { return policy_; }
    void setPolicy(const BrowserHostPolicy& policy);
    // Shown instead of the engine's context menu when IeNoContext is set.
    void setPopupMenu(QMenu* menu);

    void Navigate(const QUrl& url);
    void GoBack();
    void GoForward();
    void Refresh();
    // Whether a document is loaded (the refresh button needs one).
    bool GetDocument() const;
    QUrl LocationURL() const;
    WebView& view() const { return *view_; }

    // Takes keyboard accelerators away from the page when they are switched off.
    void HandleAppMessage(QObject* receiver, QEvent* event, bool& handled) override;

signals:
    void StatusTextChange(const QString& text);
    void TitleChange(const QString& title);
    void CommandStateChange(int command, bool enable);
    void NavigateComplete2(const QUrl& url);

private:
    TUIWebBrowser(QWidget* parent, const BrowserHostPolicy& policy);
    void attach(WebView* view);
    void applyPolicy();
    void reportCommandStates();
    void showPopupMenu(const QPoint& position);

    void linkHovered(const QString& url) override { emit StatusTextChange(url); }
    void titleChanged(const QString& title) override { emit TitleChange(title); }
    void urlChanged() override { reportCommandStates(); }
    void loadFinished() override;

    BrowserHostPolicy policy_;
    QMenu* PopupMenu = nullptr;
    std::unique_ptr<WebView> view_;
    bool loaded_ = false;
};
