#include "framework/text/Cp932.h"
#include "support/ProgramWindows.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace {

class ReaderForm : public ProgramTest {
protected:
    TForm5& reader() const { return program->reader; }
    bool shown(const char* name) const {
        return !reader().findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
    }
    std::string savedWindow5() const {
        const std::string ini = dir.read("glowtape3.ini");
        const std::size_t begin = ini.find("[window5]");
        return ini.substr(begin, ini.find("[option]") - begin);
    }
};

TEST_F(ReaderForm, TheModeAndTheToolBarSurviveARestart) {
    writeSettings({"[window5]", "Mode=none", "cont=true"});
    start();
    EXPECT_EQ(reader().layout().mode(), ReaderMode::None);
    EXPECT_FALSE(shown("PanelLeft"));
    EXPECT_TRUE(shown("TopTool"));

    reader().Button4Click();
    EXPECT_EQ(reader().layout().mode(), ReaderMode::News);
    reader().Button4Click();
    EXPECT_TRUE(shown("ShellTreeView1"));
    EXPECT_FALSE(shown("ReportList"));
    reader().Button5Click();
    EXPECT_FALSE(shown("TopTool"));
    reader().close();
    EXPECT_NE(savedWindow5().find("Mode=document\r\ncont=false\r\n"), std::string::npos)
        << savedWindow5();

    // Any word but "news" and "none" is the Favorites.
    program.reset();
    writeSettings({"[window5]", "Mode=Favorites"});
    start();
    EXPECT_EQ(reader().layout().mode(), ReaderMode::Document);
    EXPECT_FALSE(shown("TopTool"));
}

TEST_F(ReaderForm, ShowingFillsTheListsFromTheTickerAndAScriptLinkIsRefused) {
    writeSettings({"[option]", "OP12=true", "OP11=up"});
    writeFeedList(cp932::fromUtf8("一,http://127.0.0.1:1/a,○\r\n二,http://127.0.0.1:1/b,×\r\n"));
    start();
    ticker().stores().Memo2.setLines({"channel", "記事"});
    ticker().stores().Memo3.setLines({"http://127.0.0.1:1/", "javascript:alert(1)"});
    ticker().rotationState().feedIndex = 1;
    ticker().rotationState().articleIndex = 1;
    ticker().move(100, 500);

    reader().ShowReader();

    const auto& feeds = *reader().findChild<QListWidget*>(QStringLiteral("NewsList"));
    ASSERT_EQ(feeds.count(), 2);
    EXPECT_EQ(feeds.currentRow(), 1);
    EXPECT_EQ(feeds.item(0)->text(), QStringLiteral("一"));
    const auto& articles = *reader().findChild<QListWidget*>(QStringLiteral("ReportList"));
    ASSERT_EQ(articles.count(), 2);
    EXPECT_EQ(articles.currentRow(), 1);
    EXPECT_EQ(reader().windowTitle(), QStringLiteral("記事"));
    EXPECT_EQ(reader().links(),
              (std::vector<std::string>{"http://127.0.0.1:1/", "javascript:alert(1)"}));
    // As wide as the sign above which it opens.
    EXPECT_LT(reader().geometry().top(), ticker().geometry().top());
    EXPECT_EQ(reader().width(), ticker().width());
    EXPECT_TRUE(reader()
                    .findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .contains(QStringLiteral("javascript:alert(1)")));
    EXPECT_TRUE(reader().history().items().isEmpty());
}

// The reader opens a feed's links under the rule of the ticker's double-click: a feed from
// the web may name web pages only; a local feed may name its files, by URL or by path.
TEST_F(ReaderForm, AWebFeedsFileLinksAreRefusedAndALocalFeedsLoad) {
    writeFeedList("");
    start();
    LineStores& stores = ticker().stores();
    stores.Memo2.setLines({"channel", "file", "path", "web"});
    stores.Memo3.setLines({" ", "file:///etc/passwd", "/etc/passwd", "https://127.0.0.1:1/a"});
    auto& articles = *reader().findChild<QListWidget*>(QStringLiteral("ReportList"));
    const auto& status = *reader().findChild<QLabel*>(QStringLiteral("Label1"));
    const auto& address = *reader().findChild<QComboBox*>(QStringLiteral("URI"));
    const auto open = [&](int row) {
        const_cast<QLabel&>(status).clear();
        reader().ReportListDblClick(row);
        return status.text().contains(QStringLiteral("このアドレスは開けません"));
    };

    stores.sourceUri = "http://127.0.0.1:1/feed.xml";
    reader().ShowReader();
    ASSERT_EQ(articles.count(), 4);
    EXPECT_TRUE(open(1));
    EXPECT_TRUE(status.text().contains(QStringLiteral("file:///etc/passwd")));
    EXPECT_TRUE(open(2));
    EXPECT_FALSE(open(3));
    EXPECT_EQ(address.currentText(), QStringLiteral("https://127.0.0.1:1/a"));

    stores.sourceUri = "file:///home/user/feed.xml";
    reader().ShowReader();
    EXPECT_FALSE(open(1));
    EXPECT_EQ(address.currentText(), QStringLiteral("file:///etc/passwd"));
    EXPECT_FALSE(open(2));
    EXPECT_EQ(address.currentText(), QStringLiteral("file:///etc/passwd"));
}

} // namespace
