#include "feed/rotation/AsleepRefresh.h"
#include "feed/RotationFixture.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/fetch/PoliteFetch.h"
#include "feed/fetch/RefreshSchedule.h"
#include "feed/marks/HeadlineMarks.h"
#include "support/LocalHttpServer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Response = LocalHttpServer::Response;

constexpr std::uint32_t kMark = 0x000000FF;

std::string rss(const std::string& items, const std::string& extra = "") {
    return "<rss><channel><title>T</title>" + extra + items + "</channel></rss>";
}

// The program's pieces: the rotation and the background refresh share one polite fetcher
// and the marks, with a clock that moves only when told. The sign has not started.
class Asleep : public Rotation {
protected:
    Asleep() {
        colours.mark = kMark;
        marks.filter().setMarkWords("linux");
        marks.filter().setMuteWords("ad");
        marks.setNotify(true);
        marks.setAnnounce([this](const std::string& feed, const std::string& headline,
                                 const std::string&, const std::string& uri) {
            announced.push_back(feed + "|" + headline + "|" + uri);
        });
        politeRotation.setMarks(&marks);
        drive(politeRotation);
    }

    std::size_t requestsOf(const std::string& path) const {
        std::size_t count = 0;
        for (const LocalHttpServer::Request& request : server.requests())
            count += request.path == path;
        return count;
    }

    LocalHttpServer server;
    RefreshSchedule::Clock::time_point now{};
    RefreshSchedule schedule{[this] { return now; }};
    DirectFetch direct{downloader};
    PoliteFetch polite{direct, schedule};
    HeadlineMarks marks{colours};
    FeedRotation politeRotation{sign,   stores,     state,   feeds,  view,
                                polite, downloader, colours, choices};
    AsleepRefresh refresh{feeds, polite, schedule, downloader, marks};
    std::vector<std::string> announced;
};

TEST_F(Asleep, RoundsAskTheDueShownFeedsAndAnnounceNewMarkedHeadlinesOnceLeavingTheSignAlone) {
    server.route("/a", Response::text(rss(item("one linux") + item("ad linux"))));
    server.route("/b", Response::text(rss(item("hidden linux"))));
    server.route("/c", Response::text(rss(item("quiet linux"), "<ttl>60</ttl>")));
    feeds.append({"A", server.url("/a"), "○"});
    feeds.append({"B", server.url("/b"), "×"});
    feeds.append({"C", server.url("/c"), "○"});

    schedule.setIntervalMinutes(1);
    refresh.setAsleep(true);
    refresh.refreshDue();
    now += 1min;
    server.route("/a", Response::text(rss(item("one linux") + item("two linux"))));
    refresh.refreshDue();

    EXPECT_EQ(requestsOf("/a"), 2u);
    EXPECT_EQ(requestsOf("/b"), 0u); // hidden
    EXPECT_EQ(requestsOf("/c"), 1u); // not due for an hour
    EXPECT_EQ(announced, (std::vector<std::string>{"A|one linux|" + server.url("/a"),
                                                   "C|quiet linux|" + server.url("/c"),
                                                   "A|two linux|" + server.url("/a")}));
    // Nothing reached the sign or its stores, and what was announced is still new.
    EXPECT_TRUE(sign.ShowStrings().empty());
    EXPECT_EQ(stores.recordCount(), 0u);
    EXPECT_EQ(marks.seen().size(), 0u);

    // Awake, the feed's visit shows the body fetched asleep, the marked headlines lit, and
    // announces nothing again.
    refresh.setAsleep(false);
    startWithWelcome();
    runLines(6);
    EXPECT_EQ(requestsOf("/a"), 2u);
    EXPECT_EQ(std::vector<ShownLine>(shown.begin() + 1, shown.begin() + 6),
              (std::vector<ShownLine>{{"【 A 】", kTitle},
                                      {"●one linux", kMark},
                                      {" ", kDescription},
                                      {"●two linux", kMark},
                                      {" ", kDescription}}));
    EXPECT_EQ(announced.size(), 3u);
    EXPECT_TRUE(marks.seen().contains("http://x/two linux"));
}

TEST_F(Asleep, RoundsWaitForTheNextFeedDueButAtLeastAMinuteEvenWhenEveryVisitAsks) {
    server.route("/a", Response::text(rss(item("one"))));
    feeds.append({"A", server.url("/a"), "○"});
    const auto planned = [this] { return refresh.nextRoundIn(); };

    refresh.setAsleep(true);
    EXPECT_GT(planned(), 55s); // due at once, but the sign may be covered only for a moment
    EXPECT_LE(planned(), 61s); // a coarse timer: to the second
    refresh.refreshDue();
    EXPECT_GT(planned(), 9min + 55s); // the default interval
    EXPECT_LE(planned(), 10min + 1s);
    now += 9min + 30s;
    refresh.refreshDue();
    EXPECT_EQ(requestsOf("/a"), 1u);
    EXPECT_GT(planned(), 55s);

    schedule.setIntervalMinutes(0);
    refresh.refreshDue();
    EXPECT_EQ(requestsOf("/a"), 2u);
    EXPECT_GT(planned(), 55s);

    refresh.setAsleep(false);
    EXPECT_LT(planned().count(), 0);
}

// A download that answers when the test says so, as the worker thread does.
struct HeldFetch : FeedFetcher {
    bool fetch(const std::string& uri, Done done) override {
        if (held)
            return false;
        held = std::move(done);
        asked.push_back(uri);
        return true;
    }
    bool running() const override { return held != nullptr; }
    void answer(const std::string& body) {
        const Done done = std::move(held);
        held = nullptr;
        FeedAnswer answer;
        answer.downloaded = true;
        answer.body = body;
        done(answer);
    }
    Done held;
    std::vector<std::string> asked;
};

TEST_F(Rotation, TheRotationWaitsForADownloadMadeWhileAsleepAndThenGoesOn) {
    addFeed("A", "○", item("a1"));
    addFeed("B", "○", item("b1"));
    HeldFetch held;
    FeedRotation heldRotation{sign, stores, state, feeds, view, held, downloader, colours, choices};
    drive(heldRotation);
    HeadlineMarks marks{colours};
    RefreshSchedule schedule;
    AsleepRefresh refresh{feeds, held, schedule, downloader, marks};
    refresh.setFinished([&] { heldRotation.keepRunning(); });

    refresh.setAsleep(true);
    refresh.refreshDue();
    ASSERT_EQ(held.asked.size(), 1u);
    // The sign runs out of its line while the download still runs, as on waking or after a
    // hot key's next feed.
    startWithWelcome();
    runLines(1);
    runColumns(200);
    EXPECT_FALSE(sign.ShowActive());
    EXPECT_EQ(held.asked.size(), 1u);
    EXPECT_EQ(state.feedIndex, -1);

    held.answer("<rss><channel><title>A</title></channel></rss>");
    ASSERT_EQ(held.asked.size(), 2u); // the rotation's own, for the first row
    EXPECT_EQ(held.asked.back(), feeds.entry(0).uri);
    held.answer(dir.read("A.xml"));
    runLines(4);
    EXPECT_EQ(shownTexts(1), (std::vector<std::string>{"【 A 】", "●a1", " "}));
}

} // namespace
