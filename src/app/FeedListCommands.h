#pragma once

#include "app/FeedEntry.h"
#include "framework/files/Outcome.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class FeedList;

// The feed manager's edits of the feed list: registering, hiding and showing, deleting,
// the announcement feed and sorting by a column.
class FeedListCommands {
public:
    static constexpr std::string_view kAnnouncementTitle = "連絡";
    static constexpr std::string_view kAnnouncementUri = "http://glowtape.example/info/rss.xml";

    explicit FeedListCommands(FeedList& feeds);

    // news.csv holds neither commas nor line breaks inside a field: a comma in the title
    // becomes the full-width "，", one in the URI "%2C", and CR and LF are dropped.
    // Everything else is kept as typed.
    static FeedEntry newEntry(std::string_view title, std::string_view uri);

    // Appends the entry of newEntry, shown in the rotation.
    void registerFeed(std::string_view title, std::string_view uri);
    // "×" becomes "○", any other flag "×". Rows out of range are ignored.
    void toggleShown(int row);
    void remove(int row);
    void addAnnouncement();

    // Appends each feed as registered (see newEntry), skipping a URI the list already holds
    // once stored; the number of feeds added.
    int appendNew(const std::vector<FeedEntry>& feeds);
    struct Imported {
        int added = 0;
        Outcome outcome;
    };
    // The feeds of an OPML file, appended through appendNew; a file that cannot be read or
    // is not OPML changes nothing and gives the message for the user.
    Imported importOpml(const std::string& path);
    // The user's own feeds (not the account's), written to an OPML file.
    Outcome exportOpml(const std::string& path) const;

    // Sorts by a column (0 title, 1 URI, 2 shown flag): ascending on the first click of a
    // column, then alternating; each column keeps its own alternation.
    void sortByColumn(int column);

private:
    FeedList& feeds_;
    std::array<bool, 3> descending_{};
};
