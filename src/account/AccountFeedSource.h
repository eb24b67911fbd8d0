#pragma once

#include "feed/fetch/FeedAnswer.h"

#include <optional>
#include <string>

// Answers the feed addresses of an aggregator account from what the account last gave.
class AccountFeedSource {
public:
    virtual ~AccountFeedSource() = default;
    // The feed's document; nothing when `uri` is not an account's feed.
    virtual std::optional<FeedAnswer> answer(const std::string& uri) = 0;
    // The account was asked for news now ("今すぐニュースを表示").
    virtual void refreshSoon() {}
};
