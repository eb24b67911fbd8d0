#include "feed/FeedRotation.h"
#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "feed/DownloadWorker.h"
#include "feed/FeedDownloader.h"
#include "feed/FeedView.h"
#include "feed/LineChoices.h"
#include "feed/LineStores.h"
#include "feed/RotationFollower.h"
#include "framework/Cp932.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr std::uint32_t kTitle = 0x0000FFFF;
constexpr std::uint32_t kArticle = 0x0000FF00;
constexpr std::uint32_t kDescription = 0x00FFFFFF;

// The window's side of loading and composing, acting on a real sign.
struct SignView : FeedView {
    explicit SignView(TLightStr& sign) : sign(sign) {}
    void appendShowString(const std::string& line) override { sign.ShowStrings().push_back(line); }
    void setShowStrings(const std::vector<std::string>& lines) override {
        sign.ShowStrings() = lines;
    }
    void startShow() override { sign.StartShow(); }
    void setCaption(const std::string& text) override { caption = cp932::toUtf8(text); }
    void setDec(const std::string& text) override { dec = cp932::toUtf8(text); }
    void setTrayTip(const std::string& tip) override { trayTip = cp932::toUtf8(tip); }
    void setMenuReady() override { menuReady = true; }

    TLightStr& sign;
    std::string caption;
    std::string dec;
    std::string trayTip;
    bool menuReady = false;
};

struct Choices : LineChoices {
    int MainList() const override { return main; }
    int DecList() const override { return dec; }
    int main = 0;
    int dec = 0;
};

struct ShownLine {
    std::string text; // UTF-8
    std::uint32_t colour;
    bool operator==(const ShownLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownLine& line) {
    return out << "{" << line.text << ", " << std::hex << line.colour << "}";
}

std::string item(const std::string& title, const std::string& description = "") {
    return "<item><title>" + title + "</title><link>http://x/" + title + "</link>" +
           (description.empty() ? "" : "<description>" + description + "</description>") +
           "</item>";
}

// A sign one dot per pixel and 30 dots long, the rotation answering its events, and
// feeds as local files. Lines are recorded as they enter the sign, with the colour they
// are drawn in.
class Rotation : public ::testing::Test {
protected:
    Rotation() {
        sign.setBit(1);
        sign.resize(30, 11);
        colours.title = kTitle;
        colours.article = kArticle;
        colours.description = kDescription;
        sign.OnLineNext = [this](TLightStr*, int index) {
            rotation.LightStr1LineNext();
            pending = cp932::toUtf8(sign.ShowStrings().at(static_cast<std::size_t>(index)));
            hasPending = true;
        };
        sign.OnShowActive = [this](TLightStr*, bool active) {
            rotation.LightStr1ShowActive(active);
        };
    }

    void addFeed(const std::string& name, const std::string& flag, const std::string& items,
                 const std::string& channelDescription = "") {
        const std::string file = name + ".xml";
        dir.write(file, "<rss><channel><title>Channel " + name + "</title><link>http://" + name +
                            "/</link>" +
                            (channelDescription.empty()
                                 ? ""
                                 : "<description>" + channelDescription + "</description>") +
                            items + "</channel></rss>");
        feeds.append({name, "file://" + dir.file(file), cp932::fromUtf8(flag)});
    }

    void addMissingFeed(const std::string& name) {
        feeds.append({name, "file://" + dir.file("missing-" + name), cp932::fromUtf8("○")});
    }

    // Starts the way the program does: a welcome line, then the rotation takes over.
    void startWithWelcome() {
        stores.Memo3.append("http://home/");
        sign.ShowStrings().push_back("welcome");
        sign.StartShow();
    }

    void tick() {
        if (hasPending) {
            shown.push_back({pending, sign.LightColor()});
            hasPending = false;
        }
        sign.TimerTick();
    }

    // Ticks until `count` lines have entered the sign (and been drawn once).
    void runLines(std::size_t count) {
        for (int i = 0; i < 200000 && shown.size() < count; ++i)
            tick();
        ASSERT_GE(shown.size(), count);
    }

    // Ticks until the line that entered last has been drawn for a few columns.
    void runColumns(int columns) {
        for (int i = 0; i < columns; ++i)
            tick();
    }

    std::vector<std::string> shownTexts(std::size_t from = 0) const {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < shown.size(); ++i)
            texts.push_back(shown[i].text);
        return texts;
    }

    TempDir dir;
    FeedList feeds;
    TLightStr sign;
    LineStores stores;
    RotationState state;
    SignView view{sign};
    FeedDownloader downloader;
    TickerColours colours;
    Choices choices;
    FeedRotation rotation{sign, stores, state, feeds, view, downloader, colours, choices};
    std::vector<ShownLine> shown;
    std::string pending;
    bool hasPending = false;
};

TEST_F(Rotation, VisitsOnlyShownFeedsInListOrderAndWraps) {
    addFeed("A", "○", "");
    addFeed("B", "×", "");
    addFeed("C", "○", "");
    startWithWelcome();
    runLines(4);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"welcome", "【 A 】", "【 C 】", "【 A 】"}));
    EXPECT_EQ(view.caption, "Glowtape 【A：" + feeds.entry(0).uri + "】");
    EXPECT_TRUE(view.menuReady);
}

TEST_F(Rotation, ASingleShownFeedIsLoadedAgainAndNoShownFeedStopsTheSign) {
    addFeed("A", "×", "");
    addFeed("B", "○", item("one"));
    startWithWelcome();
    runLines(6);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"welcome", "【 B 】", "●one", " ", "【 B 】", "●one"}));

    // Hide the only shown feed: the next-feed step finds nothing and the sign stays still.
    feeds.replace(1, {"B", feeds.entry(1).uri, cp932::fromUtf8("×")});
    runLines(7);
    for (int i = 0; i < 2000 && sign.ShowActive(); ++i)
        tick();
    EXPECT_FALSE(sign.ShowActive());
    EXPECT_TRUE(sign.ShowStrings().empty());
    const std::size_t before = shown.size();
    runColumns(200);
    EXPECT_EQ(shown.size(), before);
}

TEST_F(Rotation, LightsTitlesArticlesAndDescriptionsInTheirColours) {
    addFeed("A", "○", item("one", "first") + item("two", "   ") + item("three"));
    choices.main = 1;
    startWithWelcome();
    runLines(8);
    const std::vector<ShownLine> expected{
        {"welcome", kArticle},
        {"【 A 】", kTitle},
        {"●one", kArticle},
        {"　　［  first  ］", kDescription},
        {"●two", kArticle},
        {" ", kDescription}, // a description of spaces only is no description
        {"●three", kArticle},
        {" ", kDescription},
    };
    EXPECT_EQ(std::vector<ShownLine>(shown.begin(), shown.begin() + 8), expected);
    EXPECT_EQ(stores.recordCount(), 4u);
}

TEST_F(Rotation, TitleOnlyChoiceIgnoresDescriptionsAndDecFollowsItsChoice) {
    addFeed("A", "○", item("one", "first") + item("two", "second"));
    choices.dec = 2;
    startWithWelcome();
    runLines(3);
    EXPECT_EQ(shown.back().text, "●one");
    EXPECT_EQ(view.dec, "http://x/one");
    runLines(5);
    EXPECT_EQ(shown[3].text, " ");
    EXPECT_EQ(shown[4].text, "●two");
    EXPECT_EQ(view.dec, "http://x/two");

    choices.dec = 3;
    runLines(8); // A's title again, then its first article
    EXPECT_EQ(view.dec, "A");
}

TEST_F(Rotation, PreviousFeedLandsOnTheRowBeforeTheOneShown) {
    addFeed("A", "○", "");
    addFeed("B", "○", "");
    addFeed("C", "○", "");
    startWithWelcome();
    runLines(4); // welcome, A, B, C
    ASSERT_EQ(state.feedIndex, 2);
    rotation.PreviousFeed();
    EXPECT_EQ(state.feedIndex, 1);
    EXPECT_EQ(view.caption.rfind("Glowtape 【B：", 0), 0u) << view.caption;
    EXPECT_TRUE(stores.Memo1.empty());

    // From row 0 the previous feed wraps to the last row.
    runLines(6); // C, A
    ASSERT_EQ(state.feedIndex, 0);
    rotation.PreviousFeed();
    EXPECT_EQ(state.feedIndex, 2);
}

TEST_F(Rotation, NextFeedInTheMiddleOfALinePassesOverTheNewTitleLine) {
    addFeed("A", "○", item("one") + item("two"));
    addFeed("B", "○", item("bee"));
    startWithWelcome();
    runLines(3); // welcome, A's title, "●one"
    runColumns(5);
    rotation.N9Click();
    // The caption changes at once; the line being drawn runs to its end.
    EXPECT_EQ(view.caption.rfind("Glowtape 【B：", 0), 0u) << view.caption;
    runLines(4);
    EXPECT_EQ(shown[3].text, "●bee");
}

TEST_F(Rotation, NextArticleDuringAFirstLineContinuesWithTheNextSecondLine) {
    addFeed("A", "○", item("one", "d1") + item("two", "d2") + item("three", "d3"));
    choices.main = 1;
    startWithWelcome();
    runLines(3); // welcome, title, "●one"
    runColumns(5);
    rotation.N13Click();
    runLines(5);
    // The sign goes on at line 1 of the new list: two's description, its title passed over.
    EXPECT_EQ(shownTexts(3), (std::vector<std::string>{"　　［  d2  ］", "●three"}));
}

TEST_F(Rotation, NextArticleDuringASecondLinePassesOverAWholeArticle) {
    addFeed("A", "○", item("one", "d1") + item("two", "d2") + item("three", "d3"));
    choices.main = 1;
    startWithWelcome();
    runLines(4); // welcome, title, "●one", d1
    runColumns(5);
    rotation.N13Click();
    runLines(5);
    EXPECT_EQ(shown[4].text, "●three");
}

TEST_F(Rotation, AFailedDownloadShowsTheFailureLineAndMovesOn) {
    addMissingFeed("gone");
    addFeed("B", "○", "");
    startWithWelcome();
    runLines(3);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"welcome", "****読み込み失敗****", "【 B 】"}));
    EXPECT_EQ(shown[1].colour, kTitle);
}

TEST_F(Rotation, TheCurrentLinkFollowsTheStage) {
    addFeed("A", "○", item("one"));
    startWithWelcome();
    runLines(1);
    EXPECT_EQ(rotation.currentLink(), "http://home/");
    runLines(2);
    EXPECT_EQ(rotation.currentLink(), "http://A/");
    runLines(3);
    EXPECT_EQ(rotation.currentLink(), "http://x/one");
}

TEST_F(Rotation, VerticalSignsGetFullWidthArticleLines) {
    addFeed("A", "○", item("ab c"));
    sign.setDirection(true);
    startWithWelcome();
    runLines(4);
    EXPECT_EQ(shownTexts(1), (std::vector<std::string>{"【 A 】", "●ａｂ　ｃ", "　"}));
}

TEST_F(Rotation, DeletingTheCurrentLastRowWhileItRunsWrapsAndAnEmptyListStaysStill) {
    addFeed("A", "○", "");
    addFeed("B", "○", item("one") + item("two"));
    choices.dec = 3; // the feed's title, whose row is about to go
    startWithWelcome();
    runLines(4);
    ASSERT_EQ(state.feedIndex, 1);
    feeds.remove(1);
    runLines(8);
    EXPECT_EQ(shownTexts(3), (std::vector<std::string>{"●one", " ", "●two", " ", "【 A 】"}));
    EXPECT_EQ(state.feedIndex, 0);

    feeds.clear();
    rotation.PreviousFeed();
    runColumns(300);
    EXPECT_FALSE(sign.ShowActive());
    EXPECT_EQ(shown.size(), 8u);
}

// Records what the rotation tells the article list.
struct RecordingFollower : RotationFollower {
    void feedStarted() override { events.push_back("feed"); }
    void articleStarted(int article) override { events.push_back(std::to_string(article)); }
    std::vector<std::string> events;
};

TEST_F(Rotation, JumpsLandOnTheirTargetAndTheFollowerHearsEveryStep) {
    addFeed("A", "○", item("one") + item("two") + item("three") + item("four"));
    addFeed("B", "×", "");
    addFeed("C", "○", "");
    RecordingFollower follower;
    rotation.setFollower(&follower);
    startWithWelcome();
    runLines(3); // welcome, 【 A 】, ●one
    rotation.jumpToArticle(4);
    EXPECT_EQ(state.articleIndex, 4);
    EXPECT_EQ(cp932::toUtf8(sign.ShowStrings().at(0)), "●four");
    // The sign goes on from its line index: record 4's second line, then the next feed.
    runLines(5);
    EXPECT_EQ(shownTexts(3), (std::vector<std::string>{" ", "【 C 】"}));
    rotation.jumpToFeed(0);
    EXPECT_EQ(state.feedIndex, 0);
    EXPECT_EQ(view.caption, "Glowtape 【A：" + feeds.entry(0).uri + "】");
    EXPECT_EQ(follower.events, (std::vector<std::string>{"feed", "1", "4", "feed", "feed"}));
}

// The same rotation with its downloads on a worker thread, as the program runs it.
class RotationWithWorker : public Rotation {
protected:
    RotationWithWorker() {
        sign.OnLineNext = [this](TLightStr*, int index) {
            workerRotation.LightStr1LineNext();
            pending = cp932::toUtf8(sign.ShowStrings().at(static_cast<std::size_t>(index)));
            hasPending = true;
        };
        sign.OnShowActive = [this](TLightStr*, bool active) {
            workerRotation.LightStr1ShowActive(active);
        };
    }

    void addSlowFeed(const std::string& name, const std::string& items) {
        LocalHttpServer::Response slow = LocalHttpServer::Response::text(
            "<rss><channel><title>Channel " + name + "</title><link>http://" + name + "/</link>" +
            items + "</channel></rss>");
        slow.pieceDelay = std::chrono::milliseconds(3000);
        server.route("/" + name, slow);
        feeds.append({name, server.url("/" + name), cp932::fromUtf8("○")});
    }

    // Ticks the sign and lets the event loop deliver downloads until `count` lines entered.
    void runLinesWithEvents(std::size_t count) {
        QDeadlineTimer deadline(20'000);
        while (shown.size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            for (int i = 0; i < 100 && shown.size() < count; ++i)
                tick();
        }
        ASSERT_GE(shown.size(), count);
    }

    LocalHttpServer server;
    DownloadWorker worker{downloader};
    FeedRotation workerRotation{sign,   stores,     state,   feeds,  view,
                                worker, downloader, colours, choices};
};

TEST_F(RotationWithWorker, ASlowFeedKeepsTheStepsAndColoursAndNothingMovesWhileItLoads) {
    addSlowFeed("A", item("one", "first"));
    addFeed("B", "○", "");
    choices.main = 1;
    startWithWelcome();
    runLines(1);
    for (int i = 0; i < 2000 && !workerRotation.loading(); ++i)
        tick();
    ASSERT_TRUE(workerRotation.loading());
    EXPECT_EQ(state.feedIndex, 0);
    EXPECT_FALSE(sign.ShowActive());

    // Every command that moves the rotation waits for the feed; no second load starts.
    workerRotation.N9Click();
    workerRotation.N13Click();
    workerRotation.PreviousFeed();
    workerRotation.showFeedNow(1);
    runColumns(100);
    EXPECT_EQ(state.feedIndex, 0);
    EXPECT_EQ(state.articleIndex, 0);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(view.caption, "");

    runLinesWithEvents(5);
    const std::vector<ShownLine> expected{
        {"welcome", kArticle}, {"【 A 】", kTitle},
        {"●one", kArticle},    {"　　［  first  ］", kDescription},
        {"【 B 】", kTitle},
    };
    EXPECT_EQ(std::vector<ShownLine>(shown.begin(), shown.begin() + 5), expected);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(RotationWithWorker, AFailedDownloadStillShowsTheFailureLine) {
    feeds.append({"gone", server.url("/missing"), cp932::fromUtf8("○")});
    addFeed("B", "○", "");
    startWithWelcome();
    runLinesWithEvents(3);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"welcome", "****読み込み失敗****", "【 B 】"}));
    EXPECT_EQ(shown[1].colour, kTitle);
}

TEST(DownloadWorker, EndingDuringATransferAbortsItAtOnceAndDropsTheResult) {
    LocalHttpServer server;
    LocalHttpServer::Response silent;
    silent.behaviour = LocalHttpServer::Response::Behaviour::NeverAnswer;
    server.route("/silent", silent);
    const FeedDownloader downloader;
    bool answered = false;
    std::chrono::steady_clock::time_point ending;
    {
        DownloadWorker worker(downloader);
        ASSERT_TRUE(
            worker.fetch(server.url("/silent"), [&](bool, std::string, std::string) { answered = true; }));
        EXPECT_FALSE(worker.fetch(server.url("/silent"), [](bool, std::string, std::string) {}));
        for (int i = 0; i < 200 && server.requests().empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QCoreApplication::processEvents();
        EXPECT_TRUE(worker.running());
        ending = std::chrono::steady_clock::now();
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
    // Far below the transfer's own time-outs (15 s to connect, 60 s in all).
    EXPECT_LT(std::chrono::steady_clock::now() - ending, std::chrono::seconds(1));
}

} // namespace
