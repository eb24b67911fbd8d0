#pragma once

#include <cstddef>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

// The last answer of each feed URI that came with an ETag or a Last-Modified date, kept
// in memory so that a "304 Not Modified" can reuse its body; or, for showing a feed again
// without asking its server, the last answer of each URI. Bounded: a body over
// `maxBodyBytes` is not kept, and when all kept answers together pass `maxTotalBytes` the
// least recently used go first. Safe to use from several threads.
class KeptBodies {
public:
    struct Answer {
        std::string etag;
        std::string lastModified;
        std::string contentType;
        std::string body;
    };

    enum class Keep { WithValidator, Every };

    KeptBodies(std::size_t maxBodyBytes, std::size_t maxTotalBytes,
               Keep rule = Keep::WithValidator);

    // The kept answer, now the most recently used.
    std::optional<Answer> find(const std::string& uri);
    // Keeps the answer in place of an older one; without a validator (when one is needed),
    // or too large, the URI is forgotten instead.
    void keep(const std::string& uri, Answer answer);
    void forget(const std::string& uri);

    std::size_t totalBytes() const;

private:
    using Entry = std::pair<std::string, Answer>;

    static std::size_t sizeOf(const Entry& entry);
    void forgetLocked(const std::string& uri);

    const std::size_t maxBodyBytes_;
    const std::size_t maxTotalBytes_;
    const Keep rule_;
    mutable std::mutex mutex_;
    std::list<Entry> recent_; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> byUri_;
    std::size_t totalBytes_ = 0;
};
