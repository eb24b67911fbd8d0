#pragma once

#include "feed/fetch/FeedAnswer.h"

#include <functional>
#include <string>

// Runs feed downloads for the rotation, one at a time. `done` runs on the thread that asked,
// with the download's answer; it may start the next download.
class FeedFetcher {
public:
    using Done = std::function<void(FeedAnswer answer)>;

    virtual ~FeedFetcher() = default;

    // False, and `done` is dropped, while another download runs.
    virtual bool fetch(const std::string& uri, Done done) = 0;
    virtual bool running() const = 0;
    // The next fetch of `uri` asks its server, whatever was planned for it.
    virtual void refreshNow(const std::string& uri) { (void)uri; }
};
