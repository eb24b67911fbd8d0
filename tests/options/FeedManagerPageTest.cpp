#include "options/FeedManagerPage.h"
#include "app/FeedList.h"
#include "feed/rotation/FeedRotation.h"
#include "framework/x11/SystemColor.h"
#include "support/ProgramWindows.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>

namespace {

class FeedManager : public ProgramTest {
protected:
    void SetUp() override {
        writeFeedList("c,http://127.0.0.1:9/c,\x81\x9B\r\n"
                      "a,http://127.0.0.1:9/a,\x81\x7E\r\n"
                      "b,http://127.0.0.1:9/b,\x81\x9B\r\n");
        start();
    }
    FeedManagerPage& page() const { return *program->options.feedManager(); }
    QTreeView& newsList() const { return *page().newsList(); }
    FeedList& feeds() const { return program->feeds; }
    void select(int row) const { newsList().setCurrentIndex(feeds().index(row, 0)); }
    std::vector<std::string> articleRows() const {
        std::vector<std::string> texts;
        for (int row = 0; row < program->articles.list()->count(); ++row)
            texts.push_back(program->articles.list()->item(row)->text().toStdString());
        return texts;
    }
    // The colour drawn in the empty right-hand part of a row.
    QColor shadeOf(const QImage& picture, int row) const {
        const QRect cell = newsList().visualRect(feeds().index(row, FeedList::ShownColumn));
        const QPoint at = newsList().viewport()->mapTo(&newsList(), cell.center() + QPoint(40, 0));
        return picture.pixelColor(at);
    }
};

TEST_F(FeedManager, RowsAreShadedByTheirPositionAlsoAfterASort) {
    program->options.resize(700, 500);
    program->options.selectCategory(4);
    program->options.show();
    processEvents();
    const QColor highlight = QColor::fromRgb(syscolor::toQRgb(syscolor::kSystemFlag + 20));
    const QColor face = QColor::fromRgb(syscolor::toQRgb(syscolor::kSystemFlag + 15));
    ASSERT_NE(highlight, face);
    for (int sorts = 0; sorts < 2; ++sorts) {
        const QImage picture = newsList().grab().toImage();
        EXPECT_EQ(shadeOf(picture, 0), highlight);
        EXPECT_EQ(shadeOf(picture, 1), face);
        EXPECT_EQ(shadeOf(picture, 2), highlight);
        newsList().header()->sectionClicked(FeedList::TitleColumn);
    }
    EXPECT_EQ(feeds().entry(0).title, "c"); // ascending, then descending
}

TEST_F(FeedManager, EveryEditAndSortRefreshesTheFeedSelectList) {
    program->articles.N11Click();
    ASSERT_EQ(articleRows(), (std::vector<std::string>{"c", "a", "b"}));

    page().newTitle()->setText(QStringLiteral("d,e"));
    page().newUri()->setText(QStringLiteral("http://127.0.0.1:9/d"));
    page().NewOKClick();
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"c", "a", "b", "d，e"}));
    EXPECT_EQ(page().newTitle()->text(), QString());
    EXPECT_EQ(page().newUri()->text(), QStringLiteral("http://"));

    // A sort reorders the rows; each row still names the feed it acts on.
    newsList().header()->sectionClicked(FeedList::TitleColumn);
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"a", "b", "c", "d，e"}));
    program->articles.list()->setCurrentRow(1);
    program->articles.N4Click();
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"a", "c", "d，e"}));
    EXPECT_EQ(feeds().entry(1).title, "c");
    feeds().insert(1, {"b", "http://127.0.0.1:9/b", "\x81\x9B"});

    page().N9Click();
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"a", "b", "c", "d，e", "連絡"}));

    newsList().clearSelection();
    page().N2Click();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"削除するものを選択してください。"}));
    EXPECT_EQ(boxes.boxes()[0].title.toStdString(), "警告");
    EXPECT_EQ(feeds().count(), 5);

    select(0);
    page().N3Click();
    EXPECT_TRUE(feeds().isShown(0));
    page().N2Click();
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"b", "c", "d，e", "連絡"}));

    // In article mode the edits leave the list alone.
    program->articles.setWindowTitle(QStringLiteral("b"));
    page().N9Click();
    EXPECT_EQ(articleRows().size(), 4u);
}

TEST_F(FeedManager, CopyFillsTheFieldsOnThisPageAndShowNowMovesTheRotation) {
    program->options.selectCategory(0);
    select(1);
    page().N5Click();
    EXPECT_FALSE(page().isHidden());
    EXPECT_EQ(page().newUri()->text(), QStringLiteral("http://127.0.0.1:9/a"));
    EXPECT_EQ(feeds().count(), 3);

    page().N7Click();
    waitForLoad();
    EXPECT_EQ(ticker().rotationState().feedIndex, 1);
    EXPECT_EQ(ticker().rotationState().articleIndex, 0);
}

TEST_F(FeedManager, OpmlImportTellsHowManyWereAddedAndTheArticleListFollows) {
    program->articles.N11Click();
    TempDir dir;
    dir.write("feeds.opml", "<opml><body><outline text='d' xmlUrl='http://127.0.0.1:9/d'/>"
                            "<outline text='again' xmlUrl='http://127.0.0.1:9/a'/></body></opml>");
    page().importOpml(QString::fromStdString(dir.file("feeds.opml")));
    EXPECT_EQ(articleRows(), (std::vector<std::string>{"c", "a", "b", "d"}));
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"1 件のニュースを追加しました。"}));

    boxes.clear();
    dir.write("feeds.opml", "<rss/>");
    page().importOpml(QString::fromStdString(dir.file("feeds.opml")));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title.toStdString(), "警告");
    EXPECT_NE(boxes.texts()[0].find("OPMLではありません"), std::string::npos);
    EXPECT_EQ(feeds().count(), 4);
}

} // namespace
