#pragma once

#include <chrono>
#include <optional>
#include <string>

// What one download of a feed gave: the body, and the server's word on when to ask again.
struct FeedAnswer {
    bool downloaded = false; // false: no body (no answer, or an HTTP error status)
    std::string body;
    std::string contentType; // empty when the answer had none
    long status = 0;         // the final HTTP status; 0 for file links and no answer
    // "Retry-After" of the answer, as a wait from now.
    std::optional<std::chrono::seconds> retryAfter;
    // "Cache-Control: max-age" of the answer.
    std::optional<std::chrono::seconds> maxAge;

    // The server asks to be left alone for a while.
    bool throttled() const { return status == 429 || status == 503; }
};
