#include "feed/marks/HeadlineMarks.h"

#include "feed/compose/LineStores.h"
#include "feed/marks/TickerColours.h"

bool HeadlineMarks::muted(const ArticleRecord& record) const {
    return filter_.mutes(record);
}

// Every headline shown is remembered, so that turning the new colour on later lights only
// what is really new.
std::optional<std::uint32_t> HeadlineMarks::shown(const ArticleRecord& record,
                                                  const std::string& feedTitle) {
    const bool isNew = seen_.see(SeenHeadlines::keyOf(record));
    const bool marked = filter_.marks(record);
    if (isNew && marked && notify_ && announce_)
        announce_(feedTitle, record.title, record.link);
    if (marked)
        return colours_.mark;
    if (isNew && newMark_)
        return colours_.newHeadline;
    return std::nullopt;
}
