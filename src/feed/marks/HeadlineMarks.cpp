#include "feed/marks/HeadlineMarks.h"

#include "feed/compose/LineStores.h"
#include "feed/marks/TickerColours.h"

bool HeadlineMarks::muted(const ArticleRecord& record) const {
    return filter_.mutes(record);
}

// Every headline shown is remembered, so that turning the new colour on later lights only
// what is really new.
std::optional<std::uint32_t> HeadlineMarks::shown(const ArticleRecord& record,
                                                  const std::string& feedTitle,
                                                  const std::string& feedUri) {
    const std::string key = SeenHeadlines::keyOf(record);
    const bool isNew = seen_.see(key);
    const bool marked = filter_.marks(record);
    if (isNew && marked && notify_ && announce_ && !announced_.contains(key))
        announce_(feedTitle, record.title, record.link, feedUri);
    if (marked)
        return colours_.mark;
    if (isNew && newMark_)
        return colours_.newHeadline;
    return std::nullopt;
}

// Not remembered as seen: the sign has not shown it, so it is still new when it does.
void HeadlineMarks::arrived(const ArticleRecord& record, const std::string& feedTitle,
                            const std::string& feedUri) {
    if (!notify_ || !announce_ || filter_.mutes(record) || !filter_.marks(record))
        return;
    const std::string key = SeenHeadlines::keyOf(record);
    if (!seen_.contains(key) && announced_.see(key))
        announce_(feedTitle, record.title, record.link, feedUri);
}
