#pragma once

#include "reader/BrowserHostPolicy.h"
#include "reader/THookApplicationMessage.h"

#include <QFrame>
#include <QUrl>

class QMenu;
class QWebEngineProfile;
class QWebEngineView;

// The reader's embedded browser: a web engine view under the host's policy. Created the
// first time the reader is shown, so that the ticker alone never starts the engine.
class TUIWebBrowser : public QFrame, public AppMessageTarget {
    Q_OBJECT
public:
    enum Command { CSC_NAVIGATEFORWARD = 1, CSC_NAVIGATEBACK = 2 };

    explicit TUIWebBrowser(QWidget* parent, const BrowserHostPolicy& policy = {});
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
    QWebEngineView* view() const { return view_; }

    // Takes keyboard accelerators away from the page when they are switched off.
    void HandleAppMessage(QObject* receiver, QEvent* event, bool& handled) override;

    // The program's one browser profile: persistent, under the program's data directory,
    // shared with no other program.
    static QWebEngineProfile* profile();

signals:
    void StatusTextChange(const QString& text);
    void TitleChange(const QString& title);
    void CommandStateChange(int command, bool enable);
    void NavigateComplete2(const QUrl& url);

private:
    void applyPolicy();
    void reportCommandStates();
    void showPopupMenu(const QPoint& position);

    BrowserHostPolicy policy_;
    QMenu* PopupMenu = nullptr;
    QWebEngineView* view_ = nullptr;
    bool loaded_ = false;
};
