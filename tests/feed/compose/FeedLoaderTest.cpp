#include "feed/compose/FeedLoader.h"

#include "feed/FakeFeedView.h"
#include "feed/StoreLines.h"
#include "feed/compose/FeedComposer.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/rotation/RotationState.h"
#include "support/LocalHttpServer.h"

#include <gtest/gtest.h>
#include <stdexcept>

using Response = LocalHttpServer::Response;

namespace {

const std::string loadFailed = "読み込み失敗";

// Notes whether the busy flag was up when the sign was started.
class WatchingView : public FakeFeedView {
public:
    explicit WatchingView(const RotationState& state) : state_(state) {}
    void startShow() override {
        FakeFeedView::startShow();
        busyWhenStarted = state_.busy;
    }
    bool busyWhenStarted = false;

private:
    const RotationState& state_;
};

class FeedLoaderTest : public ::testing::Test {
protected:
    FeedLoaderTest() {
        server.route("/feed", Response::text("<rss><title>A</title>\r\n<item>"));
        Response shiftJis = Response::text("<title>\x93\xFA\x96\x7B");
        shiftJis.headers = {{"Content-Type", "application/rss+xml; charset=Shift_JIS"}};
        server.route("/sjis", shiftJis);
        stores.Memo2.setLines({"old title"});
        stores.Memo3.setLines({"old link"});
        stores.Memo4.setLines({"old description"});
        view.showStrings = {"running line"};
    }

    bool load(const std::string& uri) { return loader.LoadFeedText(uri); }

    LocalHttpServer server;
    LineStores stores;
    RotationState state;
    WatchingView view{state};
    FeedDownloader downloader;
    FeedLoader loader{stores, state, view, downloader};
};

} // namespace

TEST_F(FeedLoaderTest, FillsOnlyTheRawStoreOnSuccess) {
    stores.Memo1.setLines({"welcome"});
    EXPECT_TRUE(load(server.url("/feed")));
    EXPECT_EQ(linesOf(stores.Memo1), (Lines{"", "<rss>", "<title>A", "</title>", "<item>"}));
    EXPECT_EQ(linesOf(stores.Memo2), Lines{"old title"});
    EXPECT_EQ(linesOf(stores.Memo3), Lines{"old link"});
    EXPECT_EQ(view.showStrings, Lines{"running line"});
    EXPECT_EQ(view.startShowCalls, 0);
    EXPECT_FALSE(state.busy);
}

TEST_F(FeedLoaderTest, ReadsTheFeedInTheCharsetItsAnswerNames) {
    stores.Memo1.setLines({"welcome"});
    EXPECT_TRUE(load(server.url("/sjis")));
    EXPECT_EQ(linesOf(stores.Memo1), (Lines{"", "<title>日本"}));

    // An Atom feed's relative links resolve against the address it came from.
    server.route("/news/atom", Response::text("<feed><title>A</title><link href='page'/></feed>"));
    EXPECT_TRUE(load(server.url("/news/atom")));
    EXPECT_EQ(linesOf(stores.Memo1),
              (Lines{"", "<title>A", "</title>", "<link>" + server.url("/news/page"), "</link>"}));
}

TEST_F(FeedLoaderTest, AFailedDownloadLeavesThePlaceholderAndTheFailureLine) {
    stores.Memo1.setLines({"welcome"});
    EXPECT_FALSE(load(server.url("/missing")));
    EXPECT_EQ(linesOf(stores.Memo1), Lines{"<title>" + loadFailed});
    EXPECT_EQ(linesOf(stores.Memo2), Lines{loadFailed});
    EXPECT_EQ(linesOf(stores.Memo3), Lines{"old link"});
    EXPECT_EQ(linesOf(stores.Memo4), Lines{"old description"});
    EXPECT_EQ(view.showStrings, (Lines{"running line", "****" + loadFailed + "****"}));
    EXPECT_EQ(view.startShowCalls, 1);
    EXPECT_TRUE(view.busyWhenStarted);
    EXPECT_FALSE(state.busy);

    // Composed, the placeholder is one record without link or description.
    FeedComposer(stores, view).ComposeFeed("Feed", server.url("/missing"));
    ASSERT_EQ(stores.recordCount(), 1u);
    EXPECT_EQ(stores.record(0).title, loadFailed);
    EXPECT_EQ(stores.record(0).link, " ");
    EXPECT_EQ(stores.record(0).description, " ");
    EXPECT_EQ(view.dec, " ");
}

TEST_F(FeedLoaderTest, AnEmptyUriChangesNothing) {
    stores.Memo1.setLines({"welcome"});
    EXPECT_FALSE(load(""));
    EXPECT_EQ(linesOf(stores.Memo1), Lines{"welcome"});
    EXPECT_EQ(linesOf(stores.Memo2), Lines{"old title"});
    EXPECT_EQ(view.showStrings, Lines{"running line"});
    EXPECT_EQ(view.startShowCalls, 0);
    EXPECT_FALSE(state.busy);
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(FeedLoaderTest, TheBusyFlagFallsEvenWhenTheWindowThrows) {
    class ThrowingView : public FakeFeedView {
        void appendShowString(const std::string&) override { throw std::runtime_error("sign"); }
    } throwing;
    FeedLoader failing(stores, state, throwing, downloader);
    EXPECT_THROW(failing.LoadFeedText("http://"), std::runtime_error);
    EXPECT_FALSE(state.busy);
}

// Relative links point into the feed's site, not at local paths; links with a scheme stay as
// the feed has them, entities included.
TEST_F(FeedLoaderTest, RelativeLinksAreResolvedAgainstTheFeedsAddress) {
    server.route("/dir/feed.xml",
                 Response::text("<rss><channel><title>T</title><link>/</link>"
                                "<item><title>a</title><link>/news/1</link></item>"
                                "<item><title>b</title><link> 2.html?x=1&amp;y=2 </link></item>"
                                "<item><title>c</title><link>//cdn.example/c</link></item>"
                                "<item><title>d</title><link>javascript:alert(1)</link></item>"
                                "<item><title>e</title><link>https://e.example/?q=1&amp;r</link>"
                                "</item></channel></rss>"));
    const std::string base = server.url("");
    ASSERT_TRUE(load(server.url("/dir/feed.xml")));
    FeedComposer(stores, view).ComposeFeed("T", server.url("/dir/feed.xml"));
    EXPECT_EQ(linesOf(stores.Memo3),
              (std::vector<std::string>{base + "/", base + "/news/1",
                                        base + "/dir/2.html?x=1&amp;y=2", "http://cdn.example/c",
                                        "javascript:alert(1)", "https://e.example/?q=1&amp;r"}));

    // The password of a feed's address is for the feed alone: no article link carries it,
    // in RSS or in Atom.
    server.route("/dir/atom.xml",
                 Response::text("<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>A</title>"
                                "<entry><title>a</title><link href=\"/news/1\"/></entry></feed>"));
    const std::string withPassword =
        "http://user:secret@" + base.substr(std::string("http://").size());
    ASSERT_TRUE(load(withPassword + "/dir/feed.xml"));
    FeedComposer(stores, view).ComposeFeed("T", withPassword + "/dir/feed.xml");
    EXPECT_EQ(stores.Memo3.lineView(1), base + "/news/1");
    EXPECT_EQ(stores.Memo3.lineView(2), base + "/dir/2.html?x=1&amp;y=2");
    ASSERT_TRUE(load(withPassword + "/dir/atom.xml"));
    FeedComposer(stores, view).ComposeFeed("A", withPassword + "/dir/atom.xml");
    EXPECT_EQ(stores.Memo3.lineView(1), base + "/news/1");
}
