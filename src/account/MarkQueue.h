#pragma once

#include <string>
#include <vector>

// Read marks made here that the server has not confirmed yet, kept in a file
// ("account_marks.txt") so that marks made while the server cannot be reached are sent when
// it answers again, also after a restart. One mark a line: "r" and a headline id, or "a"
// and a feed id for "all of the feed read", separated by a tab.
class MarkQueue {
public:
    static constexpr std::string_view kFileName = "account_marks.txt";

    struct Mark {
        bool wholeFeed = false;
        std::string id;
        bool operator==(const Mark&) const = default;
    };

    // Reads the marks left by an earlier run; an empty queue when `path` is empty.
    explicit MarkQueue(std::string path);

    const std::vector<Mark>& marks() const { return marks_; }
    bool empty() const { return marks_.empty(); }
    // Each change is written at once; false when the file could not be written (the marks
    // are still held for this run).
    bool add(Mark mark);
    // Drops the first `count` marks: those that have been sent.
    bool dropFirst(std::size_t count);

private:
    bool save() const;

    std::string path_;
    std::vector<Mark> marks_;
};
