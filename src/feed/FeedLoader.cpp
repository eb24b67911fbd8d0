#include "feed/FeedLoader.h"

#include "feed/FeedDownloader.h"
#include "feed/FeedText.h"
#include "feed/FeedView.h"
#include "feed/HeadlineTexts.h"
#include "feed/LineStores.h"
#include "feed/RotationState.h"

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

} // namespace

FeedLoader::FeedLoader(LineStores& stores, RotationState& state, FeedView& view,
                       const FeedDownloader& downloader)
    : stores_(stores), state_(state), view_(view), downloader_(downloader) {}

bool FeedLoader::LoadFeedText(const std::string& uri) {
    const BusyScope busy(state_.busy);
    if (uri.empty())
        return false;

    stores_.Memo1.clear();
    std::string body;
    if (downloader_.DownloadToStream(body, uri)) {
        stores_.Memo1.setSplitBefore(normaliseFeedText(body), '<');
        return true;
    }

    stores_.Memo1.setLines({"<title>" + std::string(headline::loadFailed)});
    stores_.Memo2.setLines({std::string(headline::loadFailed)});
    view_.appendShowString(std::string(headline::failureLine));
    view_.startShow();
    return false;
}
