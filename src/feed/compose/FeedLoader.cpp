#include "feed/compose/FeedLoader.h"

#include "feed/compose/FeedView.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/parse/AsciiPrefix.h"
#include "feed/parse/FeedLinks.h"
#include "feed/parse/FeedText.h"
#include "feed/rotation/RotationState.h"
#include "framework/text/Utf8.h"

#include <QCoreApplication>

namespace {

// Clears the flag on every way out, exceptions included.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// Makes every "<link>" line of the raw line store absolute against the feed's address.
void resolveLinks(LineStore& raw, std::string_view feedUri) {
    constexpr std::string_view kLinkTag = "<link>";
    for (std::size_t i = 0; i < raw.count(); ++i) {
        const std::string_view line = raw.lineView(i);
        if (!hasAsciiPrefix(line, kLinkTag))
            continue;
        const std::string_view link = line.substr(kLinkTag.size());
        std::string absolute = feedlinks::resolved(link, feedUri);
        if (absolute != link)
            raw.replace(i, std::string(kLinkTag) + absolute);
    }
}

} // namespace

FeedLoader::FeedLoader(LineStores& stores, RotationState& state, FeedView& view,
                       const FeedDownloader& downloader)
    : stores_(stores), state_(state), view_(view), downloader_(downloader) {}

bool FeedLoader::LoadFeedText(const std::string& uri) {
    DirectFetch direct(downloader_);
    bool result = false;
    LoadFeedText(uri, direct, [&result](bool downloaded) { result = downloaded; });
    return result;
}

void FeedLoader::LoadFeedText(const std::string& uri, FeedFetcher& fetcher,
                              std::function<void(bool downloaded)> loaded) {
    if (state_.busy)
        return;
    if (uri.empty()) {
        loaded(false);
        return;
    }
    state_.busy = true;
    const bool started = fetcher.fetch(uri, [this, uri, loaded](const FeedAnswer& answer) {
        bool result = false;
        {
            const BusyScope busy(state_.busy);
            result = store(answer.downloaded, answer.body, answer.contentType, uri);
        }
        loaded(result);
    });
    if (!started)
        state_.busy = false;
}

bool FeedLoader::store(bool downloaded, const std::string& body, const std::string& contentType,
                       const std::string& uri) {
    stores_.Memo1.clear();
    if (downloaded) {
        const std::string base = feedlinks::withoutCredentials(uri);
        stores_.Memo1.setSplitBefore(normaliseFeedText(body, contentType, base), '<');
        resolveLinks(stores_.Memo1, base);
        return true;
    }
    const std::string failed =
        utf8::fromQString(QCoreApplication::translate("FeedLoader", "読み込み失敗"));
    stores_.Memo1.setLines({"<title>" + failed});
    stores_.Memo2.setLines({failed});
    view_.appendShowString("****" + failed + "****");
    view_.startShow();
    return false;
}
