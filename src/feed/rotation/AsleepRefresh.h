#pragma once

#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedLoader.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/rotation/RotationState.h"

#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <string>

class ArticleMarks;
class FeedDownloader;
class FeedFetcher;
class FeedList;
class RefreshSchedule;

// Keeps the feeds fresh while the sign sleeps. Every shown feed whose refresh is due is
// downloaded in the background, one at a time, and its headlines are told to the marks, so
// that a new marked one is still announced. Nothing reaches the sign or the rotation's
// stores: the fetcher keeps the fresh body, which the rotation takes at the feed's next
// visit. Rounds wait for the next feed to fall due on one single-shot timer, never less
// than a minute apart, so that a sign covered for a moment downloads nothing extra.
class AsleepRefresh {
public:
    static constexpr std::chrono::minutes leastWait{1};
    // Feeds added or settings changed while asleep are taken up within this time.
    static constexpr std::chrono::minutes longestWait{10};
    // Another download holds the fetcher: it is asked again after this time.
    static constexpr std::chrono::seconds busyWait{5};

    AsleepRefresh(const FeedList& feeds, FeedFetcher& fetcher, const RefreshSchedule& schedule,
                  const FeedDownloader& downloader, ArticleMarks& marks);

    // Falling asleep plans the first round; waking ends the rounds. A download already
    // running ends and is told to the marks.
    void setAsleep(bool asleep);
    bool asleep() const { return asleep_; }
    // Runs after each background download, once the fetcher is free again: the rotation may
    // have been held from its step meanwhile.
    void setFinished(std::function<void()> finished) { finished_ = std::move(finished); }

    // The round: downloads the shown feeds that are due. Runs from the timer.
    void refreshDue();
    // The time until the next round, when one is planned.
    std::chrono::milliseconds nextRoundIn() const;

private:
    struct Due {
        std::string title;
        std::string uri;
    };
    void planNextRound();
    void fetchNext();
    void heard(const Due& feed);

    const FeedList& feeds_;
    FeedFetcher& fetcher_;
    const RefreshSchedule& schedule_;
    ArticleMarks& marks_;
    // The background's own stores, so that the sign's records stay as they are.
    LineStores stores_;
    RotationState state_;
    NullFeedView view_;
    FeedLoader loader_;
    FeedComposer composer_;
    std::deque<Due> queue_;
    QTimer timer_;
    bool asleep_ = false;
    std::function<void()> finished_;
};
