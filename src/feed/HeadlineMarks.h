#pragma once

#include "feed/ArticleMarks.h"
#include "feed/WordFilter.h"

struct TickerColours;

// The user's word filter as the rotation asks for it: muted articles are passed over; a
// marked title line is lit in the mark colour.
class HeadlineMarks : public ArticleMarks {
public:
    explicit HeadlineMarks(const TickerColours& colours) : colours_(colours) {}

    WordFilter& filter() { return filter_; }
    const WordFilter& filter() const { return filter_; }

    bool muted(const ArticleRecord& record) const override;
    std::optional<std::uint32_t> shown(const ArticleRecord& record,
                                       const std::string& feedTitle) override;

private:
    const TickerColours& colours_;
    WordFilter filter_;
};
