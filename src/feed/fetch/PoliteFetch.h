#pragma once

#include "feed/fetch/FeedFetcher.h"
#include "feed/fetch/KeptBodies.h"

class RefreshSchedule;

// Asks a feed's server only when the refresh schedule allows it. Otherwise it answers at
// once with the body the feed last gave, or with a failure when there is none and the feed
// is waiting after a failure. A 429 or 503 answer also gives the last body.
class PoliteFetch : public FeedFetcher {
public:
    PoliteFetch(FeedFetcher& inner, RefreshSchedule& schedule);

    bool fetch(const std::string& uri, Done done) override;
    bool running() const override { return inner_.running(); }
    void refreshNow(const std::string& uri) override;

private:
    std::optional<FeedAnswer> lastAnswer(const std::string& uri);

    FeedFetcher& inner_;
    RefreshSchedule& schedule_;
    KeptBodies last_;
};
