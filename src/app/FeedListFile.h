#pragma once

#include "app/FeedEntry.h"
#include "framework/files/Outcome.h"

#include <string>
#include <string_view>
#include <vector>

// news.csv: one feed entry per line, "title,URI,flag" and CR LF, code page 932, with no
// header, no quoting and no escaping; a character that code page 932 lacks is a numeric
// character reference (Cp932FileForm).
class FeedListFile {
public:
    static constexpr std::string_view kFileName = "news.csv";
    // Of a longer line only the first 4096 bytes of the program's text are used.
    static constexpr std::size_t kMaxLineBytes = 4096;

    struct Loaded {
        bool present = false; // the file could be opened for reading
        std::vector<FeedEntry> entries;
    };

    // A missing or unreadable file is not present; a present empty file has no entries.
    static Loaded read(const std::string& path);

    // Each line becomes one entry, duplicates and empty lines included. A line is split at
    // every ","; fields after the third are ignored and missing fields are empty.
    static std::vector<FeedEntry> parse(std::string_view bytes);

    // Every entry as title + "," + URI + "," + flag + CR LF; an empty list is no bytes. A
    // line break inside a field becomes a blank and a comma "%2C" in the URI and "，"
    // elsewhere, so that every entry reads back as one entry with its own URI.
    static std::string format(const std::vector<FeedEntry>& entries);

    // Replaces the file atomically. On failure the message "ファイル <path> を作成できません";
    // the file on disk is then unchanged.
    static Outcome write(const std::string& path, const std::vector<FeedEntry>& entries);
};
