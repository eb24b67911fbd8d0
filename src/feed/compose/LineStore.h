#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One ordered list of text lines (UTF-8). Lines are kept whole; reading one back
// gives at most the first 4096 bytes of its code page 932 form, never ending inside a
// character.
// All lines share one buffer, so a feed of millions of tiny tag lines costs eight bytes a
// line rather than a string object each.
class LineStore {
public:
    static constexpr std::size_t readLimit = 4096;

    void append(std::string_view line);
    // Changes line i only; does nothing when there is no line i.
    void replace(std::size_t i, std::string_view line);
    // The empty text for a line beyond the end. Valid until the store changes.
    std::string_view lineView(std::size_t i) const;
    std::string line(std::size_t i) const { return std::string(lineView(i)); }

    std::size_t count() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    void clear();
    void setLines(const std::vector<std::string>& lines);
    // Line 0 is the text before the first `mark`; every further line starts with a `mark`
    // and runs up to the next. An empty text gives no lines.
    void setSplitBefore(std::string text, char mark);

private:
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };

    Span store(std::string_view line);
    bool aliases(std::string_view line) const;

    std::string bytes_;
    std::vector<Span> spans_;
    std::size_t unused_ = 0; // bytes of replaced lines still in the buffer
};
