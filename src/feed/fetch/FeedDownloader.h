#pragma once

#include "feed/fetch/FeedAnswer.h"
#include "feed/fetch/KeptBodies.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

// Bounds that keep one blocking download from freezing the program or filling memory.
struct DownloadLimits {
    std::chrono::milliseconds connectTimeout{15'000};
    std::chrono::milliseconds totalTimeout{60'000};
    std::size_t maxBytes = 32u * 1024 * 1024;
    // Answers kept for revalidation: none over the first bound, at most the second in all.
    std::size_t maxKeptBody = 4u * 1024 * 1024;
    std::size_t maxKeptTotal = 32u * 1024 * 1024;
};

// Fetches one feed URI (http, https or file) with an HTTP GET: the program's fixed
// User-Agent, the proxy settings of the environment, caches bypassed, every content coding
// libcurl decodes accepted, at most 10 redirects and only to http or https. When the URI
// answered before with an ETag or Last-Modified date, the request is conditional and a
// "304 Not Modified" gives the kept body again. Blocks until done.
class FeedDownloader {
public:
    explicit FeedDownloader(DownloadLimits limits = {});

    // On success `stream` holds the body; a body cut short by a broken connection, a
    // time-out or the size limit counts as success with the bytes read so far. Fails, with
    // `stream` left empty, when no response arrived (bad URI, unknown host, refused
    // connection, time-out before the answer) or the final HTTP status is 400 or above.
    // Setting `abort` (from any thread) ends the transfer within a tenth of a second, as a
    // failure.
    bool DownloadToStream(std::string& stream, const std::string& uri,
                          const std::atomic<bool>* abort = nullptr) const;
    // The same, also giving the answer's Content-Type (empty when it had none).
    bool DownloadToStream(std::string& stream, std::string& contentType, const std::string& uri,
                          const std::atomic<bool>* abort = nullptr) const;
    // The same, with the answer's status and its word on when to ask again, also when the
    // download failed.
    FeedAnswer download(const std::string& uri, const std::atomic<bool>* abort = nullptr) const;

    const DownloadLimits& limits() const { return limits_; }

private:
    DownloadLimits limits_;
    mutable KeptBodies kept_; // a cache: revalidating does not change what a download gives
};
