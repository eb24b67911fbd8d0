#include "feed/rotation/AsleepRefresh.h"

#include "app/FeedList.h"
#include "feed/fetch/FeedFetcher.h"
#include "feed/fetch/RefreshSchedule.h"
#include "feed/marks/ArticleMarks.h"

#include <algorithm>

AsleepRefresh::AsleepRefresh(const FeedList& feeds, FeedFetcher& fetcher,
                             const RefreshSchedule& schedule, const FeedDownloader& downloader,
                             ArticleMarks& marks)
    : feeds_(feeds), fetcher_(fetcher), schedule_(schedule), marks_(marks),
      loader_(stores_, state_, view_, downloader), composer_(stores_, view_) {
    timer_.setSingleShot(true);
    // Minutes apart: the coarse timer lets the system gather wake-ups.
    timer_.setTimerType(Qt::VeryCoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (queue_.empty())
            refreshDue();
        else
            fetchNext();
    });
}

void AsleepRefresh::setAsleep(bool asleep) {
    if (asleep == asleep_)
        return;
    asleep_ = asleep;
    queue_.clear();
    if (asleep_)
        planNextRound();
    else
        timer_.stop();
}

void AsleepRefresh::refreshDue() {
    queue_.clear();
    for (int row = 0; row < feeds_.count(); ++row) {
        if (!feeds_.isShown(row))
            continue;
        const FeedEntry entry = feeds_.entry(row);
        const bool queued = std::any_of(queue_.begin(), queue_.end(),
                                        [&](const Due& due) { return due.uri == entry.uri; });
        if (!queued && schedule_.due(entry.uri))
            queue_.push_back({entry.title, entry.uri});
    }
    fetchNext();
}

void AsleepRefresh::fetchNext() {
    if (!asleep_)
        return;
    if (queue_.empty()) {
        planNextRound();
        return;
    }
    if (fetcher_.running() || state_.busy) {
        timer_.start(std::chrono::milliseconds(busyWait));
        return;
    }
    const Due feed = queue_.front();
    queue_.pop_front();
    loader_.LoadFeedText(feed.uri, fetcher_, [this, feed](bool downloaded) {
        if (downloaded)
            heard(feed);
        if (finished_)
            finished_();
        fetchNext();
    });
}

void AsleepRefresh::heard(const Due& feed) {
    composer_.ComposeFeed(feed.title, feed.uri);
    // Record 0 is the feed itself; the muted are the marks' to pass over.
    for (std::size_t i = 1; i < stores_.recordCount(); ++i)
        marks_.arrived(stores_.record(i), feed.title, feed.uri);
}

void AsleepRefresh::planNextRound() {
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(longestWait);
    for (int row = 0; row < feeds_.count(); ++row)
        if (feeds_.isShown(row))
            wait = std::min(wait, std::chrono::duration_cast<std::chrono::milliseconds>(
                                      schedule_.untilDue(feeds_.entry(row).uri)));
    timer_.start(std::max(wait, std::chrono::milliseconds(leastWait)));
}

std::chrono::milliseconds AsleepRefresh::nextRoundIn() const {
    return timer_.isActive() ? std::chrono::milliseconds(timer_.remainingTime())
                             : std::chrono::milliseconds(-1);
}
