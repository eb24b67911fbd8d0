#include "account/MarkQueue.h"

#include "framework/files/FileBytes.h"

#include <algorithm>

namespace {
constexpr std::size_t kMostBytes = 16u * 1024 * 1024;
}

MarkQueue::MarkQueue(std::string path) : path_(std::move(path)) {
    if (path_.empty())
        return;
    const std::optional<std::string> bytes = FileBytes::read(path_, kMostBytes);
    if (!bytes)
        return;
    std::size_t at = 0;
    while (at < bytes->size()) {
        std::size_t end = bytes->find('\n', at);
        if (end == std::string::npos)
            end = bytes->size();
        const std::string line = bytes->substr(at, end - at);
        at = end + 1;
        if (line.size() > 2 && (line[0] == 'r' || line[0] == 'a') && line[1] == '\t')
            marks_.push_back({line[0] == 'a', line.substr(2)});
    }
}

bool MarkQueue::add(Mark mark) {
    if (mark.id.empty() || mark.id.find_first_of("\r\n") != std::string::npos)
        return true;
    if (std::find(marks_.begin(), marks_.end(), mark) != marks_.end())
        return true;
    marks_.push_back(std::move(mark));
    return save();
}

bool MarkQueue::dropFirst(std::size_t count) {
    marks_.erase(marks_.begin(),
                 marks_.begin() + static_cast<std::ptrdiff_t>(std::min(count, marks_.size())));
    return save();
}

bool MarkQueue::save() const {
    if (path_.empty())
        return true;
    std::string bytes;
    for (const Mark& mark : marks_)
        bytes += std::string(mark.wholeFeed ? "a" : "r") + '\t' + mark.id + '\n';
    return FileBytes::replace(path_, bytes);
}
