#include "reader/FeedArticles.h"

#include "feed/compose/LineStore.h"
#include "feed/parse/AsciiPrefix.h"
#include "feed/parse/DecodeEntities.h"

FeedArticles FeedArticles::fromRawLines(const LineStore& raw) {
    static constexpr std::string_view kTitle = "<title>";
    static constexpr std::string_view kLink = "<link>";
    FeedArticles articles;
    for (std::size_t i = 0; i < raw.count(); ++i) {
        const std::string_view line = raw.lineView(i);
        if (hasAsciiPrefix(line, kTitle)) {
            articles.titles.push_back(DecodeEntities(line.substr(kTitle.size())));
            articles.links.emplace_back(" ");
        } else if (hasAsciiPrefix(line, kLink) && !articles.links.empty()) {
            // A link before the first title belongs to no row and is dropped.
            articles.links.back() = std::string(line.substr(kLink.size()));
        }
    }
    return articles;
}
