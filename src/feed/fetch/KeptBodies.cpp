#include "feed/fetch/KeptBodies.h"

KeptBodies::KeptBodies(std::size_t maxBodyBytes, std::size_t maxTotalBytes, Keep rule)
    : maxBodyBytes_(maxBodyBytes), maxTotalBytes_(maxTotalBytes), rule_(rule) {}

std::optional<KeptBodies::Answer> KeptBodies::find(const std::string& uri) {
    const std::lock_guard lock(mutex_);
    const auto found = byUri_.find(uri);
    if (found == byUri_.end())
        return std::nullopt;
    recent_.splice(recent_.begin(), recent_, found->second);
    return found->second->second;
}

void KeptBodies::keep(const std::string& uri, Answer answer) {
    const std::lock_guard lock(mutex_);
    forgetLocked(uri);
    const bool validated = !answer.etag.empty() || !answer.lastModified.empty();
    if ((rule_ == Keep::WithValidator && !validated) || answer.body.size() > maxBodyBytes_)
        return;
    recent_.emplace_front(uri, std::move(answer));
    byUri_[uri] = recent_.begin();
    totalBytes_ += sizeOf(recent_.front());
    while (totalBytes_ > maxTotalBytes_ && !recent_.empty())
        forgetLocked(recent_.back().first);
}

void KeptBodies::forget(const std::string& uri) {
    const std::lock_guard lock(mutex_);
    forgetLocked(uri);
}

std::size_t KeptBodies::totalBytes() const {
    const std::lock_guard lock(mutex_);
    return totalBytes_;
}

// Everything an entry holds counts, so that many small answers are bounded too.
std::size_t KeptBodies::sizeOf(const Entry& entry) {
    const Answer& answer = entry.second;
    return entry.first.size() + answer.etag.size() + answer.lastModified.size() +
           answer.contentType.size() + answer.body.size();
}

void KeptBodies::forgetLocked(const std::string& uri) {
    const auto found = byUri_.find(uri);
    if (found == byUri_.end())
        return;
    totalBytes_ -= sizeOf(*found->second);
    recent_.erase(found->second);
    byUri_.erase(found);
}
