#include "account/AccountSync.h"

#include "account/AccountFeedUri.h"
#include "account/AccountFetch.h"
#include "app/FeedList.h"
#include "feed/FakeFeedView.h"
#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedLoader.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/fetch/RefreshSchedule.h"
#include "feed/rotation/RotationState.h"
#include "support/GReaderStandIn.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

AccountSettings greader(const std::string& base) {
    return {AccountKind::GoogleReader, base, "alice"};
}

bool connected(const AccountSync& sync) {
    return sync.status().state == AccountSync::Status::State::Connected;
}

// Composes an account feed through the rotation's own loader and composer.
LineStores compose(AccountSync& sync, const std::string& uri) {
    LineStores stores;
    RotationState state;
    FakeFeedView view;
    FeedDownloader downloader;
    DirectFetch direct(downloader);
    AccountFetch fetch(direct, sync);
    FeedLoader loader(stores, state, view, downloader);
    loader.LoadFeedText(uri, fetch, [](bool) {});
    FeedComposer(stores, view).ComposeFeed("t", uri);
    return stores;
}

TEST(AccountSync, FeedsFollowTheUsersOwnAndOpeningAHeadlineMarksItRead) {
    GReaderStandIn server({"--feeds", "2", "--items", "4"});
    TempDir dir;
    FeedList feeds;
    feeds.append({"Own", "http://own/", std::string(feedmark::Shown)});
    RefreshSchedule schedule;
    AccountSync sync(dir.path() + "/", &feeds, schedule);
    sync.connectAccount(greader(server.base()), "secret");
    ASSERT_TRUE(waitUntil([&] { return connected(sync); }));

    ASSERT_EQ(feeds.count(), 3);
    EXPECT_EQ(feeds.ownCount(), 1);
    EXPECT_EQ(feeds.entry(1).title, "Feed 0");
    const std::string uri = feeds.entry(2).uri;
    EXPECT_EQ(accountfeed::feedIdOf(uri), "feed/1");
    EXPECT_EQ(sync.status().feedCount, 2);

    // Feed 1 holds items 1003 and 1001, newest first; the escaped title comes back whole.
    LineStores stores = compose(sync, uri);
    ASSERT_EQ(stores.recordCount(), 3u);
    EXPECT_EQ(stores.Memo2.line(0), "Feed 1");
    EXPECT_EQ(stores.Memo2.line(2), "Item 1001 & <more>");
    EXPECT_EQ(stores.Memo3.line(2), "http://127.0.0.1/article/1001");

    sync.articleOpened(uri, 2);
    ASSERT_TRUE(waitUntil(
        [&] { return server.control("/_state").find("[1000, 1002, 1003]") != std::string::npos; }));
    // Gone from the feed's next turn, and not brought back by a refresh.
    EXPECT_EQ(compose(sync, uri).recordCount(), 2u);
    sync.refreshSoon();
    ASSERT_TRUE(waitUntil([&] { return !schedule.due(std::string(AccountSync::kScheduleKey)); }));
    EXPECT_EQ(compose(sync, uri).recordCount(), 2u);

    // Read elsewhere: leaves at the next refresh.
    server.control("/_read?id=1003");
    schedule.expire(std::string(AccountSync::kScheduleKey));
    bool refreshed = false;
    QObject::connect(&sync, &AccountSync::refreshed, [&] { refreshed = true; });
    sync.refreshIfDue();
    ASSERT_TRUE(waitUntil([&] { return refreshed; }));
    EXPECT_EQ(compose(sync, uri).recordCount(), 1u);

    // Hiding an account feed is kept in the account's own file; news.csv's rows stay own.
    FeedEntry hidden = feeds.entry(1);
    hidden.shown = feedmark::Hidden;
    hidden.title = "renamed";
    feeds.replace(1, hidden);
    EXPECT_EQ(feeds.entry(1).title, "Feed 0");
    EXPECT_FALSE(feeds.isShown(1));
    EXPECT_EQ(dir.read(std::string(AccountFeedFile::kFileName)).substr(0, 9), "0\tfeed/0\t");
    EXPECT_EQ(feeds.ownEntries().size(), 1u);
}

TEST(AccountSync, MarksMadeWhileTheServerIsAwayAreQueuedAndSentLater) {
    TempDir dir;
    {
        auto server = std::make_unique<GReaderStandIn>(QStringList{"--feeds", "1", "--items", "2"});
        FeedList feeds;
        RefreshSchedule schedule;
        AccountSync sync(dir.path() + "/", &feeds, schedule);
        sync.connectAccount(greader(server->base()), "secret");
        ASSERT_TRUE(waitUntil([&] { return connected(sync); }));
        const std::string uri = feeds.entry(0).uri;

        // The server goes away; the last headlines stay, the status says since when.
        server.reset();
        sync.refreshSoon();
        ASSERT_TRUE(
            waitUntil([&] { return sync.status().state == AccountSync::Status::State::Failing; }));
        EXPECT_EQ(sync.status().error, AccountError::NoServer);
        EXPECT_TRUE(sync.status().failingSince.isValid());
        EXPECT_EQ(compose(sync, uri).recordCount(), 3u);
        sync.articleOpened(uri, 1);
        EXPECT_EQ(dir.read(std::string(MarkQueue::kFileName)), "r\t1001\n");
    }
    // Next run, the server is back: the queued mark goes first.
    GReaderStandIn server({"--feeds", "1", "--items", "2"});
    FeedList feeds;
    RefreshSchedule schedule;
    AccountSync sync(dir.path() + "/", &feeds, schedule);
    sync.restore(greader(server.base()));
    ASSERT_EQ(feeds.count(), 1); // listed as last seen, before the password comes
    sync.connectAccount(greader(server.base()), "secret");
    ASSERT_TRUE(waitUntil([&] { return connected(sync); }));
    EXPECT_NE(server.control("/_state").find("\"unread\": [1000]"), std::string::npos);
    EXPECT_TRUE(waitUntil([&] { return dir.read(std::string(MarkQueue::kFileName)).empty(); }));
    EXPECT_EQ(compose(sync, feeds.entry(0).uri).recordCount(), 2u);
}

TEST(AccountSync, HostileServerTextStaysOneRecordPerHeadline) {
    // Control characters, a NUL and markup in titles must neither end the document nor
    // split a headline into two records, or opening one would mark another read.
    AccountSnapshot snapshot;
    snapshot.setFeeds({{"f", "Feed\n<b>", ""}});
    snapshot.setItems({{"1", "f", std::string("a\0b", 3) + "</title><title>x", "http://x/1", "", 2},
                       {"2", "f", "", "", "<![CDATA[", 1}},
                      {});
    const AccountSnapshot::Document document = snapshot.document("f");
    EXPECT_EQ(document.itemIds, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(document.body.find('\0'), std::string::npos);
    EXPECT_NE(document.body.find("a b&lt;/title&gt;&lt;title&gt;x"), std::string::npos);
}

} // namespace
