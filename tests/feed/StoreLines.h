#pragma once

#include "feed/FeedText.h"
#include "feed/LineStore.h"

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// Every line of a store as read back.
inline Lines linesOf(const LineStore& store) {
    Lines lines;
    for (std::size_t i = 0; i < store.count(); ++i)
        lines.push_back(store.line(i));
    return lines;
}

// The raw lines a downloaded body turns into.
inline Lines tagLines(std::string_view body) {
    LineStore store;
    store.setSplitBefore(normaliseFeedText(body), '<');
    return linesOf(store);
}
