#pragma once

#include "framework/files/Outcome.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

struct ArticleRecord;

// The headlines that have been shown on the sign, each known by its link (else its title),
// the most recently shown last. At most `capacity`: the one shown longest ago goes first.
// Kept across runs in a file of one headline a line, oldest first.
class SeenHeadlines {
public:
    static constexpr std::size_t capacity = 10'000;
    static constexpr std::string_view kFileName = "seen.txt";

    static std::string keyOf(const ArticleRecord& record);

    // Remembers the key as shown just now; true when it had never been shown.
    bool see(const std::string& key);
    bool contains(const std::string& key) const { return index_.contains(key); }
    std::size_t size() const { return order_.size(); }
    // Grows with every change to what the file would hold.
    std::uint64_t revision() const { return revision_; }

    // Replaces what is remembered by the file's lines; a missing file remembers nothing.
    void load(const std::string& path);
    // Replaces the file in one step: a crash or a full disk leaves the old file or the new
    // one whole. The file keeps the most recent headlines that fit the size load() reads, so
    // that it always reads back. On failure the message "<full path> に書き込めません".
    Outcome save(const std::string& path) const;

private:
    std::list<std::string> order_; // oldest first
    std::unordered_map<std::string, std::list<std::string>::iterator> index_;
    std::uint64_t revision_ = 0;
};
