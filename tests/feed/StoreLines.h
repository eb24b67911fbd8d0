#pragma once

#include "feed/compose/FeedComposer.h"
#include "feed/compose/LineStore.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/parse/FeedText.h"

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

// The records a downloaded body composes to, each as UTF-8 "title|link|description".
inline Lines composedRecords(std::string_view body, std::string_view contentType = {},
                             std::string_view uri = {}) {
    LineStores stores;
    NullFeedView view;
    stores.Memo1.setSplitBefore(normaliseFeedText(body, contentType, uri), '<');
    FeedComposer(stores, view).ComposeFeed("Feed", std::string(uri));
    Lines records;
    for (std::size_t i = 0; i < stores.recordCount(); ++i) {
        const ArticleRecord record = stores.record(i);
        records.push_back(std::string(record.title) + "|" + std::string(record.link) + "|" +
                          std::string(record.description));
    }
    return records;
}
