#include "feed/marks/SeenHeadlines.h"

#include "feed/compose/LineStores.h"
#include "framework/files/FileBytes.h"
#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace {

// A full memory of the longest lines a store gives back (4096 bytes), with room to spare.
constexpr std::size_t kMaxFileBytes = 64u * 1024 * 1024;

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

std::string SeenHeadlines::keyOf(const ArticleRecord& record) {
    std::string key = blank(record.link) ? record.title : record.link;
    std::replace_if(
        key.begin(), key.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return key;
}

bool SeenHeadlines::see(const std::string& key) {
    ++revision_;
    const auto found = index_.find(key);
    if (found != index_.end()) {
        order_.splice(order_.end(), order_, found->second);
        return false;
    }
    order_.push_back(key);
    index_[key] = std::prev(order_.end());
    if (order_.size() > capacity) {
        index_.erase(order_.front());
        order_.pop_front();
    }
    return true;
}

void SeenHeadlines::load(const std::string& path) {
    order_.clear();
    index_.clear();
    const std::optional<std::string> bytes = FileBytes::read(path, kMaxFileBytes);
    if (!bytes)
        return;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos)
            end = bytes->size();
        std::string line = bytes->substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            see(cp932::fromFileForm(line));
        start = end + 1;
    }
}

Outcome SeenHeadlines::save(const std::string& path) const {
    // Newest first, until the next line would pass the size that load() reads.
    std::vector<std::string> lines;
    std::size_t total = 0;
    for (auto key = order_.rbegin(); key != order_.rend(); ++key) {
        std::string line = cp932::toFileForm(*key) + "\r\n";
        if (total + line.size() > kMaxFileBytes)
            break;
        total += line.size();
        lines.push_back(std::move(line));
    }
    std::string bytes;
    bytes.reserve(total);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        bytes += *line;
    if (FileBytes::replace(path, bytes))
        return Outcome::success();
    return Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "%1 に書き込めません"), path);
}
