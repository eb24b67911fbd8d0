#include "feed/compose/LineStore.h"

#include "framework/text/Cp932.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

void LineStore::append(std::string_view line) {
    spans_.push_back(store(line));
}

void LineStore::replace(std::size_t i, std::string_view line) {
    if (i >= spans_.size())
        return;
    if (aliases(line))
        return replace(i, std::string(line));
    Span& span = spans_[i];
    if (line.size() <= span.length) {
        bytes_.replace(span.offset, line.size(), line);
        unused_ += span.length - line.size();
        span.length = static_cast<std::uint32_t>(line.size());
        return;
    }
    unused_ += span.length;
    const Span moved = store(line); // may compact the buffer, so look the span up again
    spans_[i] = moved;
}

std::string_view LineStore::lineView(std::size_t i) const {
    if (i >= spans_.size())
        return {};
    const std::string_view whole(bytes_.data() + spans_[i].offset, spans_[i].length);
    return whole.substr(0, cp932::cutLength(whole, readLimit));
}

// A line read from this store would move under its own feet while being written.
bool LineStore::aliases(std::string_view line) const {
    return line.data() >= bytes_.data() && line.data() < bytes_.data() + bytes_.size();
}

void LineStore::clear() {
    bytes_.clear();
    spans_.clear();
    unused_ = 0;
}

void LineStore::setLines(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines)
        append(line);
}

void LineStore::setSplitBefore(std::string text, char mark) {
    clear();
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("line store text too long");
    bytes_ = std::move(text);
    if (bytes_.empty())
        return;
    spans_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), mark)) + 1);
    std::size_t start = 0;
    for (std::size_t next = bytes_.find(mark); next != std::string::npos;
         next = bytes_.find(mark, next + 1)) {
        spans_.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(next - start)});
        start = next;
    }
    spans_.push_back(
        {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(bytes_.size() - start)});
}

LineStore::Span LineStore::store(std::string_view line) {
    if (aliases(line))
        return store(std::string(line));
    // Drop replaced text once it outweighs the live lines.
    if (unused_ > 0 && unused_ >= bytes_.size() - unused_) {
        std::string compact;
        compact.reserve(bytes_.size() - unused_ + line.size());
        for (Span& span : spans_) {
            const std::size_t offset = compact.size();
            compact.append(bytes_, span.offset, span.length);
            span.offset = static_cast<std::uint32_t>(offset);
        }
        bytes_ = std::move(compact);
        unused_ = 0;
    }
    if (bytes_.size() + line.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("line store full");
    const Span span{static_cast<std::uint32_t>(bytes_.size()),
                    static_cast<std::uint32_t>(line.size())};
    bytes_.append(line);
    return span;
}
