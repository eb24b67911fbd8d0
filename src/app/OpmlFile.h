#pragma once

#include "app/FeedEntry.h"
#include "framework/files/Outcome.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Feed lists exchanged with other feed readers as OPML. Titles and URIs are UTF-8 inside
// the program and in the file.
class OpmlFile {
public:
    // Larger files are not read.
    static constexpr std::size_t kMaxFileBytes = 16u * 1024 * 1024;

    // Every outline with an xmlUrl, nested folders flattened, in document order: the title
    // from "title", else "text", the URI from "xmlUrl", the flag empty. Nothing when the
    // bytes are not a well-formed document whose root element is "opml".
    static std::optional<std::vector<FeedEntry>> parse(std::string_view bytes);

    // OPML 2.0 in UTF-8 with one outline per entry (text, title, type="rss", xmlUrl).
    static std::string format(const std::vector<FeedEntry>& entries);

    struct Loaded {
        std::vector<FeedEntry> feeds;
        Outcome outcome;
    };
    // The outlines of the file at `path` (UTF-8), or the message for the user when the file
    // cannot be read or is not OPML.
    static Loaded read(const std::string& path);
    // Replaces the file atomically; on failure the message for the user.
    static Outcome write(const std::string& path, const std::vector<FeedEntry>& entries);
};
