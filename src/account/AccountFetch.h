#pragma once

#include "feed/fetch/FeedFetcher.h"

class AccountFeedSource;

// The rotation's fetcher with an account in front: an account feed's address is answered at
// once from the account's headlines, every other address goes to `inner`.
class AccountFetch : public FeedFetcher {
public:
    AccountFetch(FeedFetcher& inner, AccountFeedSource& account)
        : inner_(inner), account_(account) {}

    bool fetch(const std::string& uri, Done done) override;
    bool running() const override { return inner_.running(); }
    void refreshNow(const std::string& uri) override;

private:
    FeedFetcher& inner_;
    AccountFeedSource& account_;
};
