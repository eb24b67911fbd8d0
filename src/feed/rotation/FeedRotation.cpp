#include "feed/rotation/FeedRotation.h"

#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "feed/compose/FeedView.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/marks/ArticleMarks.h"
#include "feed/rotation/LineChoices.h"
#include "feed/rotation/RotationFollower.h"
#include "framework/text/FullWidth.h"
#include "framework/widgets/ModelChanges.h"

#include <QTimer>
#include <algorithm>

namespace {

constexpr std::string_view kBullet = "●";
constexpr std::string_view kDescriptionOpen = "　　［  ";
constexpr std::string_view kDescriptionClose = "  ］";

bool hasDescription(std::string_view description) {
    return std::any_of(description.begin(), description.end(), [](char c) { return c != ' '; });
}

} // namespace

FeedRotation::FeedRotation(TLightStr& sign, LineStores& stores, RotationState& state,
                           const FeedList& feeds, FeedView& view, FeedFetcher& fetcher,
                           const FeedDownloader& downloader, const TickerColours& colours,
                           const LineChoices& choices)
    : sign_(sign), stores_(stores), state_(state), feeds_(feeds), view_(view), colours_(colours),
      choices_(choices), fetcher_(fetcher), loader_(stores, state, view, downloader),
      composer_(stores, view) {
    watchFeedList();
}

FeedRotation::FeedRotation(TLightStr& sign, LineStores& stores, RotationState& state,
                           const FeedList& feeds, FeedView& view, const FeedDownloader& downloader,
                           const TickerColours& colours, const LineChoices& choices)
    : sign_(sign), stores_(stores), state_(state), feeds_(feeds), view_(view), colours_(colours),
      choices_(choices), ownFetcher_(std::make_unique<DirectFetch>(downloader)),
      fetcher_(*ownFetcher_), loader_(stores, state, view, downloader), composer_(stores, view) {
    watchFeedList();
}

FeedRotation::~FeedRotation() = default;

void FeedRotation::watchFeedList() {
    // A feed registered, shown, copied, imported or moved while the sign stands still is
    // taken up at once.
    onAnyRowChange(feeds_, &listWatch_, [this] { keepRunningSoon(); });
}

void FeedRotation::keepRunningSoon() {
    if (keepRunningQueued_)
        return;
    keepRunningQueued_ = true;
    QTimer::singleShot(0, &listWatch_, [this] {
        keepRunningQueued_ = false;
        keepRunning();
    });
}

void FeedRotation::keepRunning() {
    if (sign_.ShowActive() || loading() || fetcher_.running() || !anyFeedShown())
        return;
    if (titleWaiting_) {
        titleWaiting_ = false;
        sign_.StartShow();
        return;
    }
    LightStr1ShowActive(false);
}

void FeedRotation::LightStr1ShowActive(bool active) {
    if (!active) {
        passMutedArticles();
        const int records = static_cast<int>(stores_.recordCount());
        if (state_.articleIndex > records - 2)
            nextFeedStep();
        else if (!state_.busy)
            nextArticleStep();
    }
    sign_.setLightColor(state_.articleIndex < 1 ? colours_.title : articleColour());
}

void FeedRotation::LightStr1LineNext() {
    sign_.setLightColor(sign_.ShowIndex() <= 0 ? articleColour() : colours_.description);
}

void FeedRotation::passMutedArticles() {
    if (!marks_ || state_.busy || state_.articleIndex + 1 == askedArticle_)
        return;
    const int records = static_cast<int>(stores_.recordCount());
    while (state_.articleIndex >= 0 && state_.articleIndex + 1 < records &&
           marks_->muted(stores_.record(static_cast<std::size_t>(state_.articleIndex + 1))))
        ++state_.articleIndex;
}

std::uint32_t FeedRotation::articleColour() const {
    return state_.articleIndex >= 1 ? titleLineColour_.value_or(colours_.article)
                                    : colours_.article;
}

void FeedRotation::nextFeedStep() {
    // One download at a time: the rotation's own shows its feed when it arrives; after one
    // made for the sleeping sign, keepRunning is called.
    if (loading() || fetcher_.running())
        return;
    sign_.ShowStrings().clear();
    state_.articleIndex = 0;
    // Without a shown row there is nothing to move to; the sign stays still.
    if (!anyFeedShown())
        return;
    do {
        ++state_.feedIndex;
        if (state_.feedIndex >= feeds_.count() || state_.feedIndex < 0)
            state_.feedIndex = 0;
    } while (!feeds_.isShown(state_.feedIndex));
    sign_.setLightColor(colours_.title);
    loadAndCompose([this] {
        titleWaiting_ = false;
        sign_.StartShow();
        if (follower_)
            follower_->feedStarted();
    });
}

void FeedRotation::showFeedNow(int row) {
    if (loading() || row < 0 || row >= feeds_.count())
        return;
    state_.feedIndex = row;
    state_.articleIndex = 0;
    fetcher_.refreshNow(feeds_.entry(row).uri); // asked for by the user: always downloaded
    loadAndCompose([this] {
        // A running sign goes on with its line and takes the new feed's articles next.
        titleWaiting_ = !sign_.ShowActive();
        if (follower_)
            follower_->feedStarted();
    });
}

bool FeedRotation::LoadFeedText(const std::string& uri, std::function<void()> loaded) {
    if (loading())
        return false;
    loader_.LoadFeedText(uri, fetcher_, [this, loaded](bool) {
        loaded();
        keepRunning();
    });
    return true;
}

void FeedRotation::loadAndCompose(std::function<void()> shown) {
    // The row as it was when its download began: the list may be edited meanwhile.
    const FeedEntry entry = feeds_.entry(state_.feedIndex);
    loader_.LoadFeedText(entry.uri, fetcher_, [this, entry, shown](bool) {
        composer_.ComposeFeed(entry.title, entry.uri);
        shown();
        keepRunning();
    });
}

void FeedRotation::nextArticleStep() {
    std::vector<std::string>& lines = sign_.ShowStrings();
    lines.clear();
    const std::size_t i = static_cast<std::size_t>(++state_.articleIndex);
    const ArticleRecord record = stores_.record(i);
    const std::string feedTitle = state_.feedIndex >= 0 && state_.feedIndex < feeds_.count()
                                      ? feeds_.entry(state_.feedIndex).title
                                      : stores_.Memo2.line(0);
    titleLineColour_ = marks_ ? marks_->shown(record, feedTitle, stores_.sourceUri) : std::nullopt;

    lines.push_back(std::string(kBullet) + record.title);
    if (choices_.MainList() == 1 && hasDescription(record.description))
        lines.push_back(std::string(kDescriptionOpen) + record.description +
                        std::string(kDescriptionClose));
    else
        lines.push_back(" ");

    // A vertical sign stands full-width characters upright; the whole text is mapped.
    if (sign_.Direction())
        for (std::string& line : lines)
            line = toFullWidth(line);

    switch (choices_.DecList()) {
    case 0:
        view_.setDec(record.description);
        break;
    case 1:
        view_.setDec(record.title);
        break;
    case 2:
        view_.setDec(record.link);
        break;
    case 3:
        if (state_.feedIndex >= 0 && state_.feedIndex < feeds_.count())
            view_.setDec(feedTitle);
        break;
    default:
        break;
    }
    sign_.StartShow();
    if (follower_)
        follower_->articleStarted(static_cast<int>(i));
}

bool FeedRotation::anyFeedShown() const {
    for (int row = 0; row < feeds_.count(); ++row)
        if (feeds_.isShown(row))
            return true;
    return false;
}

void FeedRotation::N9Click() {
    if (loading())
        return;
    state_.articleIndex = static_cast<int>(stores_.recordCount());
    sign_.StopShow();
}

void FeedRotation::N13Click() {
    if (!loading())
        sign_.StopShow();
}

// The steps add one, so both jumps stand one before their target.
void FeedRotation::jumpToArticle(int article) {
    if (loading())
        return;
    state_.articleIndex = article - 1;
    askedArticle_ = article;
    sign_.StopShow();
    askedArticle_ = -1;
}

void FeedRotation::jumpToFeed(int row) {
    if (loading())
        return;
    state_.feedIndex = row - 1;
    state_.articleIndex = static_cast<int>(stores_.recordCount());
    sign_.StopShow();
}

void FeedRotation::PreviousFeed() {
    if (loading())
        return;
    stores_.Memo1.clear();
    stores_.Memo2.clear();
    stores_.Memo3.clear();
    state_.articleIndex = static_cast<int>(stores_.recordCount());
    state_.feedIndex -= 2;
    if (state_.feedIndex < 0)
        state_.feedIndex += feeds_.count();
    sign_.ClearDisplay();
    sign_.StopShow();
}

std::string FeedRotation::currentLink() const {
    return stores_.Memo3.line(static_cast<std::size_t>(std::max(state_.articleIndex, 0)));
}
