#include "feed/RotationFixture.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/fetch/PoliteFetch.h"
#include "feed/fetch/RefreshSchedule.h"
#include "support/LocalHttpServer.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Response = LocalHttpServer::Response;

std::string rss(const std::string& extra = "") {
    return "<rss><channel><title>T</title>" + extra + item("one") + "</channel></rss>";
}

// A clock that moves only when told.
struct TestClock {
    RefreshSchedule::Clock::time_point now{};
    RefreshSchedule::Now reader() {
        return [this] { return now; };
    }
};

// The rotation asking its server through the refresh schedule, with a test clock.
class PoliteRotation : public Rotation {
protected:
    PoliteRotation() { drive(politeRotation); }

    // Runs one visit of a one-feed list: its title line and the article's two lines.
    void visit() { runLines(shown.size() + 3); }

    LocalHttpServer server;
    TestClock clock;
    RefreshSchedule schedule{clock.reader()};
    DirectFetch direct{downloader};
    PoliteFetch polite{direct, schedule};
    FeedRotation politeRotation{sign,   stores,     state,   feeds,  view,
                                polite, downloader, colours, choices};
};

TEST_F(PoliteRotation, AnHourAtTheDefaultsAsksSixTimesAndShowsTheFeedAtEveryVisit) {
    server.route("/feed", Response::text(rss()));
    feeds.append({"A", server.url("/feed"), "○"});
    startWithWelcome();
    runLines(1);
    for (int minute = 0; minute < 60; ++minute) {
        visit();
        EXPECT_EQ(shownTexts(shown.size() - 3), (std::vector<std::string>{"【 A 】", "●one", " "}));
        clock.now += 1min;
    }
    EXPECT_EQ(server.requests().size(), 6u);

    // "今すぐニュースを表示" asks at once.
    politeRotation.showFeedNow(0);
    EXPECT_EQ(server.requests().size(), 7u);
}

TEST_F(PoliteRotation, RefreshZeroAsksAtEveryVisitWhateverTheFeedSays) {
    schedule.setIntervalMinutes(0);
    Response cached = Response::text(rss("<ttl>60</ttl>"));
    cached.headers = {{"Cache-Control", "max-age=3600"}};
    server.route("/feed", cached);
    feeds.append({"A", server.url("/feed"), "○"});
    startWithWelcome();
    runLines(1);
    for (int i = 0; i < 4; ++i)
        visit();
    EXPECT_EQ(server.requests().size(), 4u);
}

// Fetches through the schedule and tells what came back.
class Polite : public ::testing::Test {
protected:
    FeedAnswer fetch(const std::string& path) {
        FeedAnswer got;
        EXPECT_TRUE(polite.fetch(server.url(path), [&got](FeedAnswer answer) { got = answer; }));
        return got;
    }
    std::size_t requestsOf(const std::string& path) const {
        std::size_t count = 0;
        for (const LocalHttpServer::Request& request : server.requests())
            count += request.path == path;
        return count;
    }

    LocalHttpServer server;
    TestClock clock;
    RefreshSchedule schedule{clock.reader()};
    FeedDownloader downloader;
    DirectFetch direct{downloader};
    PoliteFetch polite{direct, schedule};
};

TEST_F(Polite, TtlAndMaxAgeLengthenTheIntervalButNeverShortenIt) {
    server.route("/ttl", Response::text(rss("<ttl>30</ttl>")));
    Response maxAge = Response::text(rss());
    maxAge.headers = {{"Cache-Control", "public, max-age=2400"}};
    server.route("/max-age", maxAge);
    Response shortAge = Response::text(rss("<TTL>1</TTL>"));
    shortAge.headers = {{"Cache-Control", "s-maxage=9999, max-age=60"}};
    server.route("/short", shortAge);

    // Only the channel's own <ttl> counts, not one in an item's text.
    const std::string itemTtl =
        "<rss><channel><title>T</title><item><title>x</title><ttl>600</ttl></item>"
        "<item><title><![CDATA[<ttl>600</ttl>]]></title></item></channel></rss>";
    server.route("/item-ttl", Response::text(itemTtl));
    for (int minute = 0; minute <= 40; minute += 10) {
        fetch("/item-ttl");
        clock.now += 10min;
    }
    EXPECT_EQ(requestsOf("/item-ttl"), 5u);
    clock.now = {};

    for (int minute = 0; minute <= 40; ++minute) {
        for (const char* path : {"/ttl", "/max-age", "/short"})
            EXPECT_EQ(fetch(path).body, rss(std::string(path) == "/ttl"     ? "<ttl>30</ttl>"
                                            : std::string(path) == "/short" ? "<TTL>1</TTL>"
                                                                            : ""));
        clock.now += 1min;
    }
    EXPECT_EQ(requestsOf("/ttl"), 2u);     // minutes 0 and 30
    EXPECT_EQ(requestsOf("/max-age"), 2u); // 0 and 40
    EXPECT_EQ(requestsOf("/short"), 5u);   // every 10 minutes, as the setting says
}

TEST_F(Polite, RetryAfterStopsRequestsToThatFeedOnlyAndItsLastBodyIsShown) {
    server.route("/busy", Response::text(rss()));
    server.route("/other", Response::text(rss()));
    ASSERT_TRUE(fetch("/busy").downloaded);
    Response busy = Response::text("slow down", 429);
    busy.headers = {{"Retry-After", "3600"}};
    server.route("/busy", busy);
    Response unavailable = Response::text("", 503);
    unavailable.headers = {{"Retry-After", "3600"}};
    server.route("/gone", unavailable);

    for (int minute = 10; minute < 70; minute += 10) {
        clock.now += 10min;
        const FeedAnswer answer = fetch("/busy");
        EXPECT_TRUE(answer.downloaded) << minute;
        EXPECT_EQ(answer.body, rss()) << minute;
        EXPECT_FALSE(fetch("/gone").downloaded) << minute; // nothing to show: the failure
        fetch("/other");
    }
    // The 429 came at minute 10; the 503 at minute 10 too.
    EXPECT_EQ(requestsOf("/busy"), 2u);
    EXPECT_EQ(requestsOf("/gone"), 1u);
    EXPECT_EQ(requestsOf("/other"), 6u);
    clock.now += 10min; // minute 70: an hour after the 429
    fetch("/busy");
    fetch("/gone");
    EXPECT_EQ(requestsOf("/busy"), 3u);
    EXPECT_EQ(requestsOf("/gone"), 2u);
}

TEST(FeedDownloader, RetryAfterAsADateIsAWaitFromNow) {
    LocalHttpServer server;
    Response busy = Response::text("", 503);
    const QDateTime inTwoHours = QDateTime::currentDateTimeUtc().addSecs(7200);
    busy.headers = {
        {"Retry-After",
         QLocale::c().toString(inTwoHours, "ddd, dd MMM yyyy hh:mm:ss 'GMT'").toStdString()}};
    server.route("/busy", busy);
    const FeedAnswer answer = FeedDownloader().download(server.url("/busy"));
    EXPECT_FALSE(answer.downloaded);
    EXPECT_EQ(answer.status, 503);
    ASSERT_TRUE(answer.retryAfter);
    EXPECT_NEAR(static_cast<double>(answer.retryAfter->count()), 7200.0, 5.0);

    // A date far ahead is a long wait, not an overflow into none at all.
    busy.headers = {{"Retry-After", "Fri, 31 Dec 9999 23:59:59 GMT"}};
    server.route("/far", busy);
    const FeedAnswer far = FeedDownloader().download(server.url("/far"));
    ASSERT_TRUE(far.retryAfter);
    EXPECT_GT(far.retryAfter->count(), 7000LL * 365 * 24 * 3600);
}

TEST(RefreshSchedule, FailuresBackOffDoublingUpToAnHourAndASuccessResetsThem) {
    TestClock clock;
    RefreshSchedule schedule(clock.reader());
    std::vector<long> minutes;
    for (int failures = 1; failures <= 5; ++failures)
        minutes.push_back(
            std::chrono::duration_cast<std::chrono::minutes>(schedule.backOff(failures)).count());
    EXPECT_EQ(minutes, (std::vector<long>{10, 20, 40, 60, 60}));
    schedule.setIntervalMinutes(0);
    EXPECT_EQ(schedule.backOff(1), 1min);
    EXPECT_EQ(schedule.backOff(6), 32min);
    EXPECT_EQ(schedule.backOff(7), 60min);

    // Three failures in a row: the third waits four minutes.
    const std::string uri = "http://feed/";
    for (int i = 0; i < 3; ++i) {
        schedule.answered(uri, FeedAnswer{});
        clock.now += schedule.backOff(i + 1) - 1s;
        EXPECT_FALSE(schedule.due(uri));
        EXPECT_TRUE(schedule.waitingAfterFailure(uri));
        clock.now += 1s;
        EXPECT_TRUE(schedule.due(uri));
    }
    FeedAnswer ok;
    ok.downloaded = true;
    schedule.answered(uri, ok);
    EXPECT_TRUE(schedule.due(uri)); // interval 0 again
    schedule.answered(uri, FeedAnswer{});
    clock.now += 1min;
    EXPECT_TRUE(schedule.due(uri)); // counting starts again at one failure
}

} // namespace
