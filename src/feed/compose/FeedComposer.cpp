#include "feed/compose/FeedComposer.h"

#include "feed/compose/FeedView.h"
#include "feed/compose/HeadlineTexts.h"
#include "feed/compose/LineStores.h"
#include "feed/parse/AsciiPrefix.h"
#include "feed/parse/DecodeEntities.h"
#include "feed/parse/DescriptionCleaner.h"
#include "framework/text/Cp932.h"

#include <optional>

namespace {

constexpr std::string_view titleTag = "<title>";
constexpr std::string_view linkTag = "<link>";
constexpr std::string_view descriptionTag = "<description>";
constexpr std::string_view none = " ";

std::string tipTitle(std::string_view title) {
    if (title.size() <= FeedComposer::tipTitleLimit)
        return std::string(title);
    return cp932::cut(title, FeedComposer::tipTitleLimit - 1) + "...";
}

} // namespace

FeedComposer::FeedComposer(LineStores& stores, FeedView& view) : stores_(stores), view_(view) {}

void FeedComposer::ComposeFeed(std::string_view feedTitle, std::string_view feedUri) {
    extractRecords();
    stores_.sourceUri = feedUri;
    showFeed(feedTitle, feedUri);
    stores_.Memo1.clear();
    stores_.Memo5.clear();
}

void FeedComposer::extractRecords() {
    LineStore& titles = stores_.Memo2;
    LineStore& links = stores_.Memo3;
    LineStore& descriptions = stores_.Memo4;
    titles.clear();
    links.clear();
    descriptions.clear();

    // Links and descriptions met before the first title belong to record 0 (last wins).
    std::optional<std::string> earlyLink;
    std::optional<std::string> earlyDescription;
    const LineStore& raw = stores_.Memo1;
    for (std::size_t i = 0; i < raw.count(); ++i) {
        const std::string_view line = raw.lineView(i);
        if (hasAsciiPrefix(line, titleTag)) {
            const bool first = titles.empty();
            titles.append(DecodeEntities(line.substr(titleTag.size())));
            links.append(first && earlyLink ? std::move(*earlyLink) : std::string(none));
            descriptions.append(first && earlyDescription ? std::move(*earlyDescription)
                                                          : std::string(none));
        } else if (hasAsciiPrefix(line, linkTag)) {
            std::string link(line.substr(linkTag.size()));
            if (titles.empty())
                earlyLink = std::move(link);
            else
                links.replace(titles.count() - 1, std::move(link));
        } else if (hasAsciiPrefix(line, descriptionTag)) {
            std::string description = cleanDescription(line.substr(descriptionTag.size()));
            if (titles.empty())
                earlyDescription = std::move(description);
            else
                descriptions.replace(titles.count() - 1, std::move(description));
        }
    }
}

void FeedComposer::showFeed(std::string_view feedTitle, std::string_view feedUri) {
    const std::string open(headline::openBracket);
    const std::string close(headline::closeBracket);
    const std::string title(feedTitle);
    const std::string program(headline::programName);

    view_.setShowStrings({open + " " + title + " " + close});

    const std::string_view channelDescription = stores_.Memo4.lineView(0);
    view_.setDec(
        std::string(channelDescription.empty() ? stores_.Memo2.lineView(0) : channelDescription));

    view_.setCaption(program + " " + open + title + std::string(headline::fullColon) +
                     std::string(feedUri) + close);
    view_.setMenuReady();
    view_.setTrayTip(program + " " + open + tipTitle(feedTitle) + close);
}
