#pragma once

#include <string>
#include <vector>

class LineStore;

// The article titles of a feed and their links, straight from its raw lines (one tag per
// line), for the reader's article list. Line i of links belongs to title i; an item
// without a link keeps " ". Titles are entity-decoded, links are as in the feed.
struct FeedArticles {
    std::vector<std::string> titles;
    std::vector<std::string> links;

    static FeedArticles fromRawLines(const LineStore& raw);
};
