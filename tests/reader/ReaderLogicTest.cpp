#include "feed/compose/LineStore.h"
#include "reader/AddressHistory.h"
#include "reader/FeedArticles.h"
#include "reader/ReaderAddress.h"
#include "reader/ReaderGeometry.h"
#include "reader/ReaderLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace readergeometry;

const QRect kScreen(0, 0, 1024, 768);

TEST(ReaderPlacement, BesideAHorizontalSignTheReaderTakesTheSignsWidth) {
    const QRect ticker(50, 500, 600, 90);
    const QRect reader(300, 300, 200, 400);

    const Placement above = besideSign(ticker, reader, false, ReaderPlacement::Above);
    EXPECT_EQ(above.frame, QRect(50, 100, 600, 400));
    EXPECT_EQ(above.addressBoxWidth, 420);

    const Placement below = besideSign(ticker, reader, false, ReaderPlacement::Below);
    EXPECT_EQ(below.frame, QRect(50, 590, 600, 400));

    const Placement unplaced = besideSign(ticker, reader, false, ReaderPlacement::NotPlaced);
    EXPECT_EQ(unplaced.frame, reader);
    EXPECT_FALSE(unplaced.addressBoxWidth);
}

TEST(ReaderPlacement, BesideAVerticalSignTheReaderTouchesItAndTakesItsHeight) {
    const QRect ticker(400, 20, 90, 600);
    const QRect reader(0, 0, 200, 400);

    const Placement right = besideSign(ticker, reader, true, ReaderPlacement::Below);
    EXPECT_EQ(right.frame, QRect(490, 20, 200, 600));
    EXPECT_EQ(right.frame.left(), ticker.right() + 1);
    EXPECT_FALSE(right.addressBoxWidth);

    const Placement left = besideSign(ticker, reader, true, ReaderPlacement::Above);
    EXPECT_EQ(left.frame, QRect(200, 20, 200, 600));
    EXPECT_EQ(left.frame.right() + 1, ticker.left());
}

TEST(ReaderPlacement, FullWidthToggleGoesToTheScreenAndBackButNotBackToNothing) {
    SavedSpan saved;
    const auto wide = toggledFullWidth(QRect(300, 40, 200, 400), kScreen, saved);
    ASSERT_TRUE(wide);
    EXPECT_EQ(*wide, QRect(0, 40, 1024, 400));
    const auto back = toggledFullWidth(*wide, kScreen, saved);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, QRect(300, 40, 200, 400));

    // Screen-wide from the start: no width to go back to.
    SavedSpan nothing;
    EXPECT_FALSE(toggledFullWidth(QRect(0, 0, 1024, 400), kScreen, nothing));
    SavedSpan narrow{80, 10};
    EXPECT_FALSE(toggledFullWidth(QRect(0, 0, 1024, 400), kScreen, narrow));
}

TEST(ReaderHistory, AnAddressVisitedAgainMovesToTheTopOnce) {
    AddressHistory history;
    history.visited("http://a/");
    history.visited("http://b/");
    history.visited("http://a/");
    EXPECT_EQ(history.items(), QStringList({"http://a/", "http://b/"}));
    history.visited("http://A/"); // exact comparison: another address
    EXPECT_EQ(history.items().size(), 3);
}

TEST(ReaderModes, TheToggleCyclesAndTheStoredModeIsReachedByIt) {
    const ReaderLayout news = ReaderLayout::ofMode(ReaderMode::News);
    const ReaderLayout document = news.toggled();
    const ReaderLayout none = document.toggled();
    EXPECT_EQ(news.mode(), ReaderMode::News);
    EXPECT_EQ(document.mode(), ReaderMode::Document);
    EXPECT_TRUE(document.panelLeft && document.favourites);
    EXPECT_FALSE(document.titlePanel || document.reportList || document.newsList);
    EXPECT_EQ(none.mode(), ReaderMode::None);
    EXPECT_FALSE(none.panelLeft || none.favourites);
    EXPECT_EQ(none.toggled(), news);
    EXPECT_EQ(ReaderLayout::ofMode(ReaderMode::Document), document);
    EXPECT_EQ(ReaderLayout::ofMode(ReaderMode::None), none);

    // A layout that is none of the three stays as it is and writes no mode.
    const ReaderLayout odd{true, false, false, true, true};
    EXPECT_EQ(odd.toggled(), odd);
    EXPECT_FALSE(odd.mode());
}

TEST(ReaderFeedList, TitlesAndLinksComeFromTheRawLinesRowByRow) {
    LineStore raw;
    raw.setLines({"<?xml version=\"1.0\"?>", "<LINK>http://early/", "<rss>", "<channel>",
                  "<TITLE>ニュース &amp; 天気", "</title>", "<link>http://feed/", "</link>",
                  "<item>", "<title>A", "</title>", "<item>", "<Title>B", "<link>http://b/",
                  "<titles>not a title"});
    const FeedArticles articles = FeedArticles::fromRawLines(raw);
    ASSERT_EQ(articles.titles.size(), 3u);
    EXPECT_EQ(articles.titles[0], "ニュース & 天気");
    EXPECT_EQ(articles.titles[2], "B");
    // A link before any title belongs to no row; an item without a link keeps " ".
    EXPECT_EQ(articles.links, (std::vector<std::string>{"http://feed/", " ", "http://b/"}));
}

TEST(ReaderAddresses, OnlyWebPagesFilesAndTheBlankPageAreLoaded) {
    using readeraddress::Verdict;
    EXPECT_EQ(readeraddress::check("http://127.0.0.1/a").verdict, Verdict::Load);
    EXPECT_EQ(readeraddress::check("https://example.org/").verdict, Verdict::Load);
    EXPECT_EQ(readeraddress::check("file:///tmp/a.html").verdict, Verdict::Load);
    EXPECT_EQ(readeraddress::check("about:blank").verdict, Verdict::Load);
    EXPECT_EQ(readeraddress::check(" ").verdict, Verdict::Nothing);
    EXPECT_EQ(readeraddress::check("").verdict, Verdict::Nothing);
    for (const char* hostile : {"javascript:alert(1)", "JavaScript:alert(1)", " javascript:x",
                                "data:text/html,<script>x</script>", "about:config",
                                "view-source:http://a/", "chrome://settings"})
        EXPECT_EQ(readeraddress::check(hostile).verdict, Verdict::Refused) << hostile;
}

} // namespace
