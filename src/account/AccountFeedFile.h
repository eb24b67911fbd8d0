#pragma once

#include <string>
#include <vector>

// The account's feed list as last seen, with the user's show or hide choice for each, in a
// file of its own ("account_feeds.txt"), so that news.csv keeps only the user's own feeds.
// One feed a line, UTF-8: "1" (shown) or "0" (hidden), a tab, the feed's id, a tab, its
// title.
class AccountFeedFile {
public:
    static constexpr std::string_view kFileName = "account_feeds.txt";

    struct Row {
        std::string id;
        std::string title;
        bool shown = true;
        bool operator==(const Row&) const = default;
    };

    // Nothing for a missing or unreadable file; malformed lines are skipped.
    static std::vector<Row> read(const std::string& path);
    static bool write(const std::string& path, const std::vector<Row>& rows);
};
