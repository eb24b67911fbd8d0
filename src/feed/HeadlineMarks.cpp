#include "feed/HeadlineMarks.h"

#include "feed/LineStores.h"
#include "feed/TickerColours.h"

bool HeadlineMarks::muted(const ArticleRecord& record) const {
    return filter_.mutes(record);
}

std::optional<std::uint32_t> HeadlineMarks::shown(const ArticleRecord& record, const std::string&) {
    if (filter_.marks(record))
        return colours_.mark;
    return std::nullopt;
}
