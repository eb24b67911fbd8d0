#include "LightStr/TLightStr.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/text/Cp932.h"
#include "support/LocalHttpServer.h"
#include "support/ProgramWindows.h"

#include <QContextMenuEvent>
#include <QPushButton>

namespace {

class TickerMenu : public ProgramTest {
protected:
    // A right click on the sign, which passes it on to the window.
    bool rightClickOpensTheMenu() {
        QMenu& menu = *ticker().popupMenu();
        menu.hide();
        const QPoint at(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, sign().mapToGlobal(at));
        QCoreApplication::sendEvent(&sign(), &click);
        const bool opened = menu.isVisible();
        menu.hide();
        return opened;
    }

    void showTicker() {
        ticker().show();
        processEvents();
    }
};

TEST_F(TickerMenu, BeforeTheFirstFeedTheMenuOpensWithTheFeedItemsDisabled) {
    const std::string refused =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::unusedPort()) + "/feed.xml";
    writeFeedList(cp932::fromUtf8("ニュース," + refused + ",○\r\n"));
    start();
    showTicker();
    ASSERT_FALSE(ticker().menuReady());

    EXPECT_TRUE(rightClickOpensTheMenu());
    const char* const feedItems[] = {"URIへジャンプ", "ニュースリーダー表示", "ニュース早送り",
                                     "記事早送り"};
    for (const char* caption : feedItems)
        EXPECT_FALSE(menuItem(caption).isEnabled()) << caption;
    EXPECT_TRUE(menuItem("オプション").isEnabled());
    EXPECT_TRUE(menuItem("ニュース新規追加").isEnabled());
    control<QPushButton>("Button1").click();
    processEvents();
    EXPECT_TRUE(program->reader.isHidden());

    // The first composed feed, even a failed one, enables them.
    ticker().rotation()->showFeedNow(0);
    waitForLoad();
    ASSERT_TRUE(ticker().menuReady());
    for (const char* caption : feedItems)
        EXPECT_TRUE(menuItem(caption).isEnabled()) << caption;
    EXPECT_TRUE(rightClickOpensTheMenu());
}

TEST_F(TickerMenu, WithNoFeedRegisteredTheMenuOpensAllTheSame) {
    start(); // no news.csv
    showTicker();
    EXPECT_TRUE(rightClickOpensTheMenu());

    writeFeedList("");
    start();
    showTicker();
    EXPECT_TRUE(rightClickOpensTheMenu());

    // The items that need a feed do nothing then: the welcome line runs on.
    ASSERT_TRUE(sign().ShowActive());
    menuItem("ニュース早送り").trigger();
    menuItem("記事早送り").trigger();
    EXPECT_TRUE(sign().ShowActive());
    EXPECT_EQ(ticker().rotationState().feedIndex, -1);
    EXPECT_FALSE(ticker().menuReady());
    EXPECT_EQ(boxes.boxes().size(), 1u); // only the missing feed list of the first start
}

TEST_F(TickerMenu, TheItemsComeInTheirOrder) {
    start();
    std::vector<std::string> captions;
    for (const QAction* action : ticker().popupMenu()->actions())
        captions.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"URIへジャンプ", "ニュースリーダー表示", "-",
                                                  "ウィンドウ表示", "コントロール", "表示", "-",
                                                  "オプション", "ヘルプ", "終了"}));
    EXPECT_EQ(ticker().popupMenu()->defaultAction(), &menuItem("URIへジャンプ"));
}

TEST_F(TickerMenu, ExitClosesTheTickerAndSaves) {
    start();
    showTicker();
    menuItem("終了").trigger();
    EXPECT_TRUE(ticker().isHidden());
    EXPECT_FALSE(dir.read("glowtape3.ini").empty());
}

} // namespace
