#include "feed/LineStore.h"

#include "framework/Cp932.h"

void LineStore::append(std::string line) {
    lines_.push_back(std::move(line));
}

void LineStore::replace(std::size_t i, std::string line) {
    if (i < lines_.size())
        lines_[i] = std::move(line);
}

std::string_view LineStore::lineView(std::size_t i) const {
    if (i >= lines_.size())
        return {};
    const std::string_view whole = lines_[i];
    return whole.substr(0, cp932::cutLength(whole, readLimit));
}
