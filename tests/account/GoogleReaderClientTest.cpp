#include "account/GoogleReaderClient.h"
#include "account/TinyTinyRssClient.h"

#include "support/GReaderStandIn.h"
#include "support/LocalHttpServer.h"

#include <gtest/gtest.h>

namespace {

std::unordered_map<std::string, AccountItem> byId(const std::vector<AccountItem>& items) {
    std::unordered_map<std::string, AccountItem> result;
    for (const AccountItem& item : items)
        result.emplace(item.id, item);
    return result;
}

// FreshRSS (long item ids, under greader.php) and Miniflux (short ids, at the root).
class GoogleReaderFlavour : public ::testing::TestWithParam<bool> {
protected:
    bool freshRss() const { return GetParam(); }
    QStringList flavour() const {
        return {QStringLiteral("--flavour"),
                freshRss() ? QStringLiteral("freshrss") : QStringLiteral("miniflux")};
    }
};

TEST_P(GoogleReaderFlavour, ReadsFeedsAndUnreadNewestFirstThenOnlyWhatIsNew) {
    GReaderStandIn server(flavour() + QStringList{"--feeds", "2", "--items", "3"});
    ASSERT_NE(server.port(), 0);
    GoogleReaderClient client(server.base(freshRss()) + "/", "alice", "secret");

    const auto feeds = client.feeds();
    ASSERT_TRUE(feeds.ok());
    ASSERT_EQ(feeds.value.size(), 2u);
    EXPECT_EQ(feeds.value[1].id, "feed/1");
    EXPECT_EQ(feeds.value[1].title, "Feed 1");

    const auto first = client.unread({});
    ASSERT_TRUE(first.ok());
    ASSERT_EQ(first.value.size(), 3u);
    // Short decimal ids whatever form the server used; newest first.
    EXPECT_EQ(first.value[0].id, "1002");
    EXPECT_EQ(first.value[2].id, "1000");
    EXPECT_EQ(first.value[0].feedId, "feed/0");
    EXPECT_EQ(first.value[0].title, "Item 1002 & <more>");
    EXPECT_EQ(first.value[0].link, "http://127.0.0.1/article/1002");
    EXPECT_EQ(first.value[0].summary, "<p>Summary of 1002</p>");

    // Read elsewhere, and one new: the ids list plus the new item's contents only.
    server.control("/_read?id=1001");
    const std::string added = server.control("/_add?feed=1");
    const int before = client.requestCount();
    const auto second = client.unread(byId(first.value));
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(client.requestCount() - before, 2);
    std::vector<std::string> ids;
    for (const AccountItem& item : second.value)
        ids.push_back(item.id);
    EXPECT_EQ(ids, (std::vector<std::string>{added, "1002", "1000"}));
    EXPECT_EQ(second.value[0].feedId, "feed/1");
}

TEST_P(GoogleReaderFlavour, MarksReadAndRecoversExpiredSessionAndToken) {
    GReaderStandIn server(flavour());
    GoogleReaderClient client(server.base(freshRss()), "alice", "secret");
    ASSERT_EQ(client.login(), AccountError::None);

    server.control("/_expire");
    EXPECT_TRUE(client.feeds().ok()); // logged in again, silently
    ASSERT_EQ(client.markRead({"1000"}), AccountError::None);
    server.control("/_expire_token");
    ASSERT_EQ(client.markAllRead("feed/1"), AccountError::None);
    // 1000 read here, 1001 with all of feed 1; 1002 (feed 0) stays.
    EXPECT_NE(server.control("/_state").find("\"unread\": [1002]"), std::string::npos);
}

TEST_P(GoogleReaderFlavour, ContinuationGivesEveryUnreadItemOnce) {
    GReaderStandIn server(flavour() + QStringList{"--feeds", "3", "--items", "2500"});
    GoogleReaderClient client(server.base(freshRss()), "alice", "secret");
    const auto items = client.unread({});
    ASSERT_TRUE(items.ok());
    EXPECT_EQ(byId(items.value).size(), 2500u);
}

INSTANTIATE_TEST_SUITE_P(Services, GoogleReaderFlavour, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "FreshRss" : "Miniflux"; });

TEST(GoogleReaderClient, ErrorsSayWhatWentWrong) {
    GReaderStandIn fresh({"--flavour", "freshrss"});
    EXPECT_EQ(GoogleReaderClient(fresh.base(), "alice", "wrong").login(),
              AccountError::WrongPassword);
    // An address that is not the API's.
    EXPECT_EQ(GoogleReaderClient(fresh.root() + "/nothing", "alice", "secret").login(),
              AccountError::ApiDisabled);

    GReaderStandIn off({"--flavour", "freshrss", "--api-off"});
    EXPECT_EQ(GoogleReaderClient(off.base(), "alice", "secret").login(), AccountError::ApiDisabled);

    const std::string nobody = "http://127.0.0.1:" + std::to_string(LocalHttpServer::unusedPort());
    EXPECT_EQ(GoogleReaderClient(nobody, "alice", "secret").feeds().error, AccountError::NoServer);

    // The password never travels in the clear to another machine, nor to a non-web address.
    EXPECT_EQ(GoogleReaderClient("http://example.org/api", "a", "b").login(),
              AccountError::InsecureAddress);
    EXPECT_EQ(AccountHttp::checkAddress("http://localhost:8080/"), AccountError::None);
    EXPECT_EQ(AccountHttp::checkAddress("http://[::1]:8080/"), AccountError::None);
    EXPECT_EQ(AccountHttp::checkAddress("http://127.0.0.1.example.org/"),
              AccountError::InsecureAddress);
    EXPECT_EQ(AccountHttp::checkAddress("file:///etc/passwd"), AccountError::BadAddress);
}

TEST(GoogleReaderClient, ItemIdsInEitherFormBecomeOne) {
    EXPECT_EQ(GoogleReaderClient::shortId("tag:google.com,2005:reader/item/00000000000004d2"),
              "1234");
    EXPECT_EQ(GoogleReaderClient::shortId("1234"), "1234");
    EXPECT_EQ(GoogleReaderClient::shortId("tag:google.com,2005:reader/item/zz"), "");
    EXPECT_EQ(GoogleReaderClient::shortId("-5"), "");
}

// The JSON API's own words for its failures.
TEST(TinyTinyRssClient, ErrorsAndExpiredSession) {
    LocalHttpServer server;
    const auto reply = [](const char* content, int status = 1) {
        LocalHttpServer::Response response = LocalHttpServer::Response::text(
            std::string("{\"seq\":0,\"status\":") + std::to_string(status) +
            ",\"content\":" + content + "}");
        response.headers = {{"Content-Type", "application/json"}};
        return response;
    };
    server.route("/wrong/api/", reply("{\"error\":\"LOGIN_ERROR\"}"));
    server.route("/off/api/", reply("{\"error\":\"API_DISABLED\"}"));
    server.route("/junk/api/", LocalHttpServer::Response::text("<html>It works</html>"));
    EXPECT_EQ(TinyTinyRssClient(server.url("/wrong"), "u", "p").login(),
              AccountError::WrongPassword);
    EXPECT_EQ(TinyTinyRssClient(server.url("/off/"), "u", "p").login(), AccountError::ApiDisabled);
    EXPECT_EQ(TinyTinyRssClient(server.url("/junk"), "u", "p").login(), AccountError::BadAnswer);
    EXPECT_EQ(TinyTinyRssClient(server.url("/none"), "u", "p").login(), AccountError::ApiDisabled);

    // A session that never takes: one login again, then the failure, not a loop.
    server.route("/stale/api/", reply("{\"error\":\"NOT_LOGGED_IN\"}"));
    TinyTinyRssClient stale(server.url("/stale"), "u", "p");
    EXPECT_EQ(stale.feeds().error, AccountError::SessionExpired);
    EXPECT_LE(stale.requestCount(), 4);
}

} // namespace
