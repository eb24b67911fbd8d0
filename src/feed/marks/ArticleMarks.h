#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct ArticleRecord;

// What the rotation asks about each article before it goes on the sign.
class ArticleMarks {
public:
    virtual ~ArticleMarks() = default;

    // A muted article is passed over: it never goes on the sign.
    virtual bool muted(const ArticleRecord& record) const = 0;
    // The article goes on the sign now, from the feed titled `feedTitle` at `feedUri`: the
    // colour of its title line when it stands out, else nothing.
    virtual std::optional<std::uint32_t> shown(const ArticleRecord& record,
                                               const std::string& feedTitle,
                                               const std::string& feedUri) = 0;
    // The article arrived while the sign was asleep; it goes on the sign later, if at all.
    virtual void arrived(const ArticleRecord& record, const std::string& feedTitle,
                         const std::string& feedUri) = 0;
};
