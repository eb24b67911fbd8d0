#pragma once

#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedLoader.h"
#include "feed/marks/TickerColours.h"
#include "feed/rotation/RotationState.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class ArticleMarks;
class FeedDownloader;
class FeedFetcher;
class FeedList;
class FeedView;
class LineChoices;
class RotationFollower;
class TLightStr;
struct LineStores;

// Keeps the sign busy forever: whenever it has run out of lines, shows the next article of
// the current feed or loads the next shown feed, wrapping round the feed list. Also the
// commands that jump in the rotation and the colour of every line.
//
// A feed is composed and shown when its download has arrived; until then the sign keeps
// what it shows and the commands that move the rotation do nothing.
//
// One rule keeps the sign from ever standing still for good: whenever the sign is stopped, no
// download runs and a shown feed exists, the rotation takes its next step. It is checked at
// the end of every download and after every change of the feed list.
class FeedRotation {
public:
    // Downloads through `fetcher` (a worker thread in the program).
    FeedRotation(TLightStr& sign, LineStores& stores, RotationState& state, const FeedList& feeds,
                 FeedView& view, FeedFetcher& fetcher, const FeedDownloader& downloader,
                 const TickerColours& colours, const LineChoices& choices);
    // Downloads in the caller: every step is over when the call returns.
    FeedRotation(TLightStr& sign, LineStores& stores, RotationState& state, const FeedList& feeds,
                 FeedView& view, const FeedDownloader& downloader, const TickerColours& colours,
                 const LineChoices& choices);
    ~FeedRotation();

    // A feed is being downloaded; every command that moves the rotation checks this.
    bool loading() const { return state_.busy; }

    // The sign's events.
    void LightStr1ShowActive(bool active);
    void LightStr1LineNext();

    void N9Click();  // "ニュース早送り": the next shown feed now
    void N13Click(); // "記事早送り": the next article now
    void PreviousFeed();

    // Loads and composes the feed at a row; the rotation goes on from there. A sign that is
    // still running keeps its line; a stopped one starts with the feed's title line. Does
    // nothing while a feed is loading.
    void showFeedNow(int row);

    // The article list's jumps: the sign's next line comes from record `article`, or the
    // next feed step lands on feed row `row`.
    void jumpToArticle(int article);
    void jumpToFeed(int row);

    // Told of every feed and article the rotation moves to; null for none.
    void setFollower(RotationFollower* follower) { follower_ = follower; }
    // Asked which articles to pass over and which title lines stand out; null for none.
    void setMarks(ArticleMarks* marks) { marks_ = marks; }

    // The link of what is on the sign: the article's, the feed's at the title stage, the
    // home page during the welcome line.
    std::string currentLink() const;
    // Downloads a feed into the raw line store only, for a window that lists it; `loaded`
    // runs once the store is filled. Does nothing while a feed is loading; false then.
    bool LoadFeedText(const std::string& uri, std::function<void()> loaded);

    // The rule above: takes the next step when the sign stands still with nothing loading
    // and a shown feed to go to. To be called when a download made by others has ended.
    void keepRunning();

private:
    void nextFeedStep();
    void nextArticleStep();
    bool anyFeedShown() const;
    // Moves the current article index past the muted articles that come next, unless the
    // next is the one the user asked for.
    void passMutedArticles();
    // The colour of an article's first line: its own when it stands out.
    std::uint32_t articleColour() const;
    // Loads the current row, composes it, then runs `shown`.
    void loadAndCompose(std::function<void()> shown);
    void watchFeedList();
    // Runs keepRunning once the event that changed the feed list is over.
    void keepRunningSoon();

    TLightStr& sign_;
    LineStores& stores_;
    RotationState& state_;
    const FeedList& feeds_;
    FeedView& view_;
    const TickerColours& colours_;
    const LineChoices& choices_;
    std::unique_ptr<FeedFetcher> ownFetcher_;
    FeedFetcher& fetcher_;
    FeedLoader loader_;
    FeedComposer composer_;
    RotationFollower* follower_ = nullptr;
    ArticleMarks* marks_ = nullptr;
    // The article chosen in the article list, shown even when muted; -1 for none.
    int askedArticle_ = -1;
    std::optional<std::uint32_t> titleLineColour_; // of the article on the sign
    // A feed composed by showFeedNow whose title line has not run yet.
    bool titleWaiting_ = false;
    bool keepRunningQueued_ = false;
    // Receives the feed list's signals; they die with the rotation.
    QObject listWatch_;
};
