#pragma once

#include <functional>
#include <string>

// Runs feed downloads for the rotation, one at a time. `done` runs on the thread that asked,
// with the download's result, the body and the answer's Content-Type; it may start the next
// download.
class FeedFetcher {
public:
    using Done = std::function<void(bool downloaded, std::string body, std::string contentType)>;

    virtual ~FeedFetcher() = default;

    // False, and `done` is dropped, while another download runs.
    virtual bool fetch(const std::string& uri, Done done) = 0;
    virtual bool running() const = 0;
};
