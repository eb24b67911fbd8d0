#pragma once

#include "feed/compose/LineStore.h"

#include <cstddef>
#include <string>

// Line i of the title, link and description stores.
struct ArticleRecord {
    std::string title;
    std::string link;
    std::string description;
};

// The ticker's five line stores. Record 0 is the feed (channel) itself.
struct LineStores {
    LineStore Memo1; // raw feed text, one tag per line; scratch between feeds
    LineStore Memo2; // titles, entity-decoded
    LineStore Memo3; // links, as in the feed, " " when missing
    LineStore Memo4; // cleaned descriptions, " " when missing
    LineStore Memo5; // scratch for cleaning a description
    // The address of the feed the records were composed from; empty for the welcome line.
    // Links are judged by where they came from.
    std::string sourceUri;

    std::size_t recordCount() const { return Memo2.count(); }
    ArticleRecord record(std::size_t i) const {
        return {Memo2.line(i), Memo3.line(i), Memo4.line(i)};
    }
};
