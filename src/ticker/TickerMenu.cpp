#include "ticker/TickerMenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <utility>

TickerMenu::TickerMenu(QWidget* owner, const Commands& commands)
    : QObject(owner), menu_(new QMenu(owner)) {
    QAction* openLink = addFeedItem(menu_, tr("URIへジャンプ"), commands.openLink);
    menu_->setDefaultAction(openLink);
    addFeedItem(menu_, tr("ニュースリーダー表示"), commands.showReader);
    menu_->addSeparator();
    QMenu* windows = menu_->addMenu(tr("ウィンドウ表示"));
    add(windows, tr("ニュース一覧表示"), commands.listFeeds);
    add(windows, tr("記事一覧表示"), commands.listArticles);
    QMenu* control = menu_->addMenu(tr("コントロール"));
    addFeedItem(control, tr("ニュース早送り"), commands.nextFeed);
    addFeedItem(control, tr("記事早送り"), commands.nextArticle);
    control->addSeparator();
    add(control, tr("ニュース新規追加"), commands.addFeed);

    QMenu* show = menu_->addMenu(tr("表示"));
    modeItems_.border = add(show, tr("ボーダーを表示"), {});
    modeItems_.topmost = add(show, tr("最前面に表示"), {});
    modeItems_.alwaysShow = add(show, tr("常に表示"), {});
    for (QAction* toggle : {modeItems_.border, modeItems_.topmost, modeItems_.alwaysShow})
        toggle->setCheckable(true);
    show->addSeparator();
    reverse_ = add(show, tr("反転"), {});
    modeItems_.orientation = add(show, tr("縦横"), {});
    show->addSeparator();
    const char* const cornerCaptions[] = {QT_TR_NOOP("左上に移動"), QT_TR_NOOP("左下に移動"),
                                          QT_TR_NOOP("右上に移動"), QT_TR_NOOP("右下に移動")};
    for (std::size_t i = 0; i < modeItems_.corners.size(); ++i)
        modeItems_.corners[i] = add(show, tr(cornerCaptions[i]), {});

    menu_->addSeparator();
    options_ = add(menu_, tr("オプション"), commands.options);
    options_->setCheckable(true);
    add(menu_, tr("ヘルプ"), commands.help);
    add(menu_, tr("終了"), commands.exit);
}

QAction* TickerMenu::add(QMenu* menu, const QString& caption, std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    if (command)
        connect(action, &QAction::triggered, menu, std::move(command));
    return action;
}

QAction* TickerMenu::addFeedItem(QMenu* menu, const QString& caption,
                                 std::function<void()> command) {
    QAction* action = add(menu, caption, std::move(command));
    action->setEnabled(false);
    feedItems_.push_back(action);
    return action;
}

void TickerMenu::wireModes(WindowModes& modes) {
    WindowModes* target = &modes;
    connect(modeItems_.border, &QAction::triggered, target, &WindowModes::toggleBorder);
    connect(modeItems_.topmost, &QAction::triggered, target, &WindowModes::toggleTopmost);
    connect(modeItems_.alwaysShow, &QAction::triggered, target, &WindowModes::toggleAlwaysShow);
    connect(reverse_, &QAction::triggered, target, &WindowModes::toggleReverse);
    connect(modeItems_.orientation, &QAction::triggered, target, &WindowModes::toggleOrientation);
    for (std::size_t i = 0; i < modeItems_.corners.size(); ++i) {
        const auto corner = static_cast<Corner>(i);
        connect(modeItems_.corners[i], &QAction::triggered, target,
                [target, corner] { target->moveToCorner(corner); });
    }
}

void TickerMenu::setFeedComposed() {
    feedComposed_ = true;
    for (QAction* item : feedItems_)
        item->setEnabled(true);
}
