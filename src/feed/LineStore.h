#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One ordered list of text lines (code page 932). Lines are kept whole; reading one back
// gives at most its first 4096 bytes, never ending inside a two-byte character.
class LineStore {
public:
    static constexpr std::size_t readLimit = 4096;

    void append(std::string line);
    // Changes line i only; does nothing when there is no line i.
    void replace(std::size_t i, std::string line);
    // The empty text for a line beyond the end.
    std::string_view lineView(std::size_t i) const;
    std::string line(std::size_t i) const { return std::string(lineView(i)); }

    std::size_t count() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    void clear() { lines_.clear(); }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string> lines_;
};
