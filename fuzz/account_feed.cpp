// An aggregator account's headlines, as its server may send them, through the document the
// rotation loads and the ticker's composition. Fields of the input are separated by 0x1E:
// the feed's title, then title, link and summary of each headline. Record i of the
// composed feed must be headline i - 1 whatever the server's text, or opening one headline
// would mark another read.

#include "FuzzSupport.h"

#include "account/AccountSnapshot.h"
#include "feed/compose/FeedComposer.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/parse/FeedText.h"

#include <cstdint>
#include <string_view>
#include <vector>

using fuzzsupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (std::size_t end; (end = input.find('\x1e', at)) != std::string_view::npos; at = end + 1)
        fields.emplace_back(input.substr(at, end - at));
    fields.emplace_back(input.substr(at));

    AccountSnapshot snapshot;
    snapshot.setFeeds({{"f", fields[0], "http://127.0.0.1/"}});
    std::vector<AccountItem> items;
    for (std::size_t i = 1; i < fields.size(); i += 3) {
        AccountItem item;
        item.id = std::to_string(i);
        item.feedId = "f";
        item.title = fields[i];
        item.link = i + 1 < fields.size() ? fields[i + 1] : std::string();
        item.summary = i + 2 < fields.size() ? fields[i + 2] : std::string();
        items.push_back(std::move(item));
    }
    const std::size_t headlines = items.size();
    snapshot.setItems(std::move(items), {});
    const AccountSnapshot::Document document = snapshot.document("f");
    check(document.itemIds.size() == headlines, "every headline is in the document");

    LineStores stores;
    NullFeedView view;
    stores.Memo1.setSplitBefore(
        normaliseFeedText(document.body, "application/rss+xml; charset=utf-8", ""), '<');
    FeedComposer(stores, view).ComposeFeed("feed", "glowtape-account:f");
    check(stores.recordCount() == headlines + 1, "one record per headline after the feed's own");
    return 0;
}
