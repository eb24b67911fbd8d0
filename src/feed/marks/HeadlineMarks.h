#pragma once

#include "feed/marks/ArticleMarks.h"
#include "feed/marks/SeenHeadlines.h"
#include "feed/marks/WordFilter.h"

#include <functional>

struct TickerColours;

// The user's word filter and the memory of shown headlines, as the rotation asks for them:
// muted articles are passed over; a marked title line is lit in the mark colour, a new one
// (never shown on the sign before) in the new colour when that is chosen; a new marked
// headline is announced when that is chosen: when it is shown, or earlier when it arrives
// while the sign sleeps. A headline that arrives asleep stays new until it is shown, and is
// announced only once.
class HeadlineMarks : public ArticleMarks {
public:
    // feed title, headline, link; the feed's address, by which the link is judged when it
    // is opened.
    using Announce = std::function<void(const std::string& feedTitle, const std::string& headline,
                                        const std::string& link, const std::string& feedUri)>;

    explicit HeadlineMarks(const TickerColours& colours) : colours_(colours) {}

    WordFilter& filter() { return filter_; }
    const WordFilter& filter() const { return filter_; }
    SeenHeadlines& seen() { return seen_; }

    void setNewMark(bool on) { newMark_ = on; }
    bool newMark() const { return newMark_; }
    void setNotify(bool on) { notify_ = on; }
    bool notify() const { return notify_; }
    void setAnnounce(Announce announce) { announce_ = std::move(announce); }

    bool muted(const ArticleRecord& record) const override;
    std::optional<std::uint32_t> shown(const ArticleRecord& record, const std::string& feedTitle,
                                       const std::string& feedUri) override;
    void arrived(const ArticleRecord& record, const std::string& feedTitle,
                 const std::string& feedUri) override;

private:
    const TickerColours& colours_;
    WordFilter filter_;
    SeenHeadlines seen_;
    // Announced on arrival and not shown yet; for this run only.
    SeenHeadlines announced_;
    bool newMark_ = false;
    bool notify_ = false;
    Announce announce_;
};
