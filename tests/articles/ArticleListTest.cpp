#include "LightStr/TLightStr.h"
#include "feed/marks/HeadlineMarks.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/x11/SystemColor.h"
#include "support/ProgramWindows.h"

#include <QLabel>
#include <QListWidget>

namespace {

std::string rss(const std::string& channel, int items) {
    std::string text = "<rss><channel><title>" + channel + "</title><link>http://c/</link>";
    for (int i = 1; i <= items; ++i)
        text += "<item><title>item " + std::to_string(i) + "</title><link>http://c/" +
                std::to_string(i) + "</link><description>about " + std::to_string(i) +
                "</description></item>";
    return text + "</channel></rss>";
}

class ArticleList : public ProgramTest {
protected:
    // Feeds A, B (hidden), C, D of five items each, and the program started with the
    // rotation on A.
    void startOnFirstFeed(const char* firstTitle = "A") {
        std::string list;
        const char* titles[] = {firstTitle, "B", "C", "D"};
        for (const char* title : titles) {
            const std::string file = std::string(title == firstTitle ? "A" : title) + ".xml";
            dir.write(file, rss(std::string(title), 5));
            list += std::string(title) + ",file://" + dir.file(file) + "," +
                    (std::string(title) == "B" ? "\x81\x7E" : "\x81\x9B") + "\r\n";
        }
        writeFeedList(list);
        start();
        ticker().rotation()->showFeedNow(0);
        waitForLoad();
    }

    TForm3& articles() const { return program->articles; }
    QListWidget& list() const { return *articles().list(); }
    std::string caption() const { return articles().windowTitle().toStdString(); }
    std::vector<std::string> rows() const {
        std::vector<std::string> texts;
        for (int row = 0; row < list().count(); ++row)
            texts.push_back(list().item(row)->text().toStdString());
        return texts;
    }
    QAction& deleteItem() const {
        for (QAction* action : articles().popupMenu()->actions())
            if (action->text() == QStringLiteral("ニュースの削除"))
                return *action;
        throw std::runtime_error("no delete item");
    }
    RotationState& state() const { return ticker().rotationState(); }
};

TEST_F(ArticleList, DoubleClickingAnArticleMakesItCurrentAtOnce) {
    startOnFirstFeed();
    articles().N16Click();
    EXPECT_EQ(caption(), "A");
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"A", "item 1", "item 2", "item 3", "item 4", "item 5"}));
    EXPECT_FALSE(deleteItem().isEnabled());

    list().setCurrentRow(3);
    articles().ListDblClick();
    EXPECT_EQ(state().articleIndex, 3);
    EXPECT_EQ(ticker().findChild<QLabel*>(QStringLiteral("Dec"))->text().toStdString(), "about 3");
    EXPECT_EQ(std::string(sign().ShowStrings().at(0)), "●item 3");
    EXPECT_EQ(list().currentRow(), 3);

    // A muted article, greyed in the list, is shown all the same when asked for; the
    // rotation still passes it by on its own.
    ticker().headlineMarks().filter().setMuteWords("about 2");
    list().setCurrentRow(2);
    articles().ListDblClick();
    EXPECT_EQ(state().articleIndex, 2);
    EXPECT_EQ(sign().ShowStrings().at(0), "●item 2");
    list().setCurrentRow(1);
    articles().ListDblClick();
    sign().StopShow();
    EXPECT_EQ(state().articleIndex, 3);

    // Row 0 is the feed itself and is never activated.
    list().setCurrentRow(0);
    articles().ListDblClick();
    EXPECT_EQ(state().articleIndex, 3);
}

TEST_F(ArticleList, AHiddenFeedAnsweredYesIsShownAndLoadedAtOnce) {
    startOnFirstFeed();
    articles().N11Click();
    EXPECT_EQ(caption(), "ニュースセレクト");
    EXPECT_EQ(rows(), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(list().currentRow(), 0);

    list().setCurrentRow(1);
    articles().ListDblClick(); // answered No
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(program->feeds.isShown(1));

    boxes.answerQuestionsWith(QMessageBox::Yes);
    articles().ListDblClick();
    waitForLoad();
    EXPECT_TRUE(program->feeds.isShown(1));
    EXPECT_EQ(state().feedIndex, 1);
    EXPECT_EQ(list().currentRow(), 1);
    EXPECT_EQ(ticker().stores().Memo2.line(0), "B");
    ticker().SaveSettings();
    EXPECT_NE(dir.read("news.csv").find("B,file://" + dir.file("B.xml") + ",\x81\x9B"),
              std::string::npos);
}

TEST_F(ArticleList, DeletingRowsRemovesTheirFeedsAndKeepsTheCurrentIndex) {
    startOnFirstFeed();
    articles().N11Click();
    EXPECT_TRUE(deleteItem().isEnabled());
    list().clearSelection();
    list().setCurrentRow(-1);
    articles().N4Click();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"削除するものを選択してください。"}));
    EXPECT_EQ(program->feeds.count(), 4);

    state().feedIndex = 1;
    list().setCurrentRow(2);
    articles().N4Click();
    EXPECT_EQ(rows(), (std::vector<std::string>{"A", "B", "D"}));
    EXPECT_EQ(list().currentRow(), 1);
    list().setCurrentRow(0);
    articles().N4Click();
    EXPECT_EQ(rows(), (std::vector<std::string>{"B", "D"}));
    EXPECT_EQ(program->feeds.count(), 2);
}

TEST_F(ArticleList, TheCaptionAloneTellsTheMode) {
    writeFeedList("");
    start();
    articles().N11Click();
    articles().N16Click(); // no records: the list empties and the mode stays
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(caption(), "ニュースセレクト");
    EXPECT_TRUE(articles().feedSelectMode());

    // A feed of that very title cannot be told from the feed list.
    startOnFirstFeed("\x83\x6A\x83\x85\x81\x5B\x83\x58\x83\x5A\x83\x8C\x83\x4E\x83\x67");
    articles().N16Click();
    EXPECT_TRUE(articles().feedSelectMode());
    EXPECT_FALSE(deleteItem().isEnabled());
    list().setCurrentRow(2);
    articles().ListDblClick(); // a feed jump, not an article jump
    waitForLoad();
    EXPECT_EQ(state().feedIndex, 2);
}

TEST_F(ArticleList, RowsArePaintedInTheSignsPalette) {
    startOnFirstFeed();
    articles().N16Click();
    const auto rgb = [](std::uint32_t colour) { return QColor::fromRgb(syscolor::toQRgb(colour)); };
    const TickerColours& colours = ticker().colours();
    const RowStyle feedTitle = articles().ListCustomDrawItem(0);
    EXPECT_EQ(feedTitle.background, rgb(sign().DarkColor()));
    EXPECT_EQ(feedTitle.text, rgb(colours.title));
    EXPECT_TRUE(feedTitle.bold);
    const RowStyle odd = articles().ListCustomDrawItem(1);
    EXPECT_EQ(odd.background, rgb(sign().BackColor()));
    EXPECT_EQ(odd.text, rgb(colours.description));
    const RowStyle even = articles().ListCustomDrawItem(2);
    EXPECT_EQ(even.background, rgb(sign().DarkColor()));
    EXPECT_EQ(even.text, rgb(colours.article));
    EXPECT_FALSE(even.bold);

    // A muted article stays in the list, greyed.
    ticker().headlineMarks().filter().setMuteWords("about 2");
    EXPECT_EQ(list().count(), 6);
    EXPECT_EQ(articles().ListCustomDrawItem(2).text, rgb(0x00808080));
    EXPECT_EQ(articles().ListCustomDrawItem(3).text, rgb(colours.description));
    articles().N11Click();
    EXPECT_FALSE(articles().ListCustomDrawItem(0).bold);
}

} // namespace
