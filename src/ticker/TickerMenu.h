#pragma once

#include "ticker/WindowModes.h"

#include <QObject>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The ticker's context menu, which the notification icon shows too. It opens at any time;
// the items that act on a composed feed stay disabled until the first feed has been
// composed, so that a new user always reaches the options and the feed manager.
class TickerMenu : public QObject {
    Q_OBJECT
public:
    // What the items do; the window-mode items go to WindowModes, wired by the window.
    struct Commands {
        std::function<void()> openLink;     // "URIへジャンプ", the default item
        std::function<void()> showReader;   // "ニュースリーダー表示"
        std::function<void()> listFeeds;    // "ニュース一覧表示"
        std::function<void()> listArticles; // "記事一覧表示"
        std::function<void()> nextFeed;     // "ニュース早送り"
        std::function<void()> nextArticle;  // "記事早送り"
        std::function<void()> addFeed;      // "ニュース新規追加"
        std::function<void()> options;      // "オプション"
        std::function<void()> help;         // "ヘルプ"
        std::function<void()> exit;         // "終了"
    };

    TickerMenu(QWidget* owner, const Commands& commands);

    QMenu* menu() const { return menu_; }
    QAction* optionsItem() const { return options_; }
    // The checkable mode items and the corner moves, for WindowModes to drive.
    WindowModes::MenuItems modeItems() const { return modeItems_; }
    // Connects the mode items to the modes once they exist.
    void wireModes(WindowModes& modes);

    // A feed has been composed: its items work from now on.
    void setFeedComposed();
    bool feedComposed() const { return feedComposed_; }

private:
    QAction* add(QMenu* menu, const QString& caption, std::function<void()> command);
    QAction* addFeedItem(QMenu* menu, const QString& caption, std::function<void()> command);

    QMenu* menu_ = nullptr;
    QAction* options_ = nullptr;
    QAction* reverse_ = nullptr;
    WindowModes::MenuItems modeItems_{};
    std::vector<QAction*> feedItems_;
    bool feedComposed_ = false;
};
