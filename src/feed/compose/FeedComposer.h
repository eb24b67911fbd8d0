#pragma once

#include <cstddef>
#include <string_view>

class FeedView;
struct LineStores;

// Pulls the article records out of the raw line store (one tag per line) into the title,
// link and description stores, then shows the feed's title line on the sign and names the
// feed in the caption, the description label and the tray tip.
class FeedComposer {
public:
    // The tip shows a feed title of up to this many bytes whole; a longer one is cut.
    static constexpr std::size_t tipTitleLimit = 37;

    FeedComposer(LineStores& stores, FeedView& view);

    // feedTitle and feedUri are those of the feed list row being shown.
    // Neither starts the sign nor moves the rotation.
    void ComposeFeed(std::string_view feedTitle, std::string_view feedUri);

private:
    void extractRecords();
    void showFeed(std::string_view feedTitle, std::string_view feedUri);

    LineStores& stores_;
    FeedView& view_;
};
