#pragma once

#include "account/AccountTypes.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The account as last answered: its feeds and their unread headlines, newest first. Each
// feed is given to the rotation as an RSS document of its unread headlines, so account text
// goes through the same normalisation, link rule and limits as any feed's.
class AccountSnapshot {
public:
    void setFeeds(std::vector<AccountFeed> feeds) { feeds_ = std::move(feeds); }
    // Replaces the headlines; those in `hidden` (read here, the server not yet told) are
    // left out.
    void setItems(std::vector<AccountItem> items, const std::unordered_set<std::string>& hidden);

    const std::vector<AccountFeed>& feeds() const { return feeds_; }
    const AccountFeed* feed(const std::string& feedId) const;
    // Every headline by id: what the next refresh need not ask for again.
    std::unordered_map<std::string, AccountItem> itemsById() const;
    std::size_t itemCount() const;

    // The feed's RSS 2.0 document (UTF-8) and, in its order, the ids of its items: record
    // i of the composed feed is item i - 1.
    struct Document {
        std::string body;
        std::vector<std::string> itemIds;
    };
    Document document(const std::string& feedId) const;

    // Drops headlines read here, so they leave the sign at the feed's next turn.
    void remove(const std::vector<std::string>& itemIds);
    // The ids of the feed's headlines.
    std::vector<std::string> itemIds(const std::string& feedId) const;

private:
    std::vector<AccountFeed> feeds_;
    std::unordered_map<std::string, std::vector<AccountItem>> itemsByFeed_;
};
