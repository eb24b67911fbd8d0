#pragma once

#include "feed/fetch/FeedAnswer.h"

#include <chrono>
#include <functional>
#include <string>
#include <unordered_map>

// When each feed's server may be asked again. After a download: once the refresh interval
// has passed, or the feed's own <ttl> or its answer's max-age when longer; at every visit
// when the interval is 0. After a failure:
// a wait that doubles with each failure in a row, up to one hour, and never before the
// server's Retry-After of a 429 or 503. Time comes from a clock the tests can set.
class RefreshSchedule {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // A server's word is followed up to this wait; beyond it, it is taken as a mistake.
    static constexpr std::chrono::hours longestServerWait{24};
    static constexpr std::chrono::hours longestBackOff{1};

    explicit RefreshSchedule(Now now = &Clock::now) : now_(std::move(now)) {}

    // Minutes between two downloads of one feed; 0 asks at every visit. Negative is 0.
    void setIntervalMinutes(int minutes);
    int intervalMinutes() const { return intervalMinutes_; }

    // The server of `uri` may be asked now.
    bool due(const std::string& uri) const { return untilDue(uri) <= Clock::duration::zero(); }
    // How long until the server of `uri` may be asked; zero or less when it may be now.
    Clock::duration untilDue(const std::string& uri) const;
    // The last request of `uri` failed, and its wait is not over.
    bool waitingAfterFailure(const std::string& uri) const;
    // Plans the next request from this answer.
    void answered(const std::string& uri, const FeedAnswer& answer);
    // The next request of `uri` may go at once.
    void expire(const std::string& uri);

    // The wait after `failures` failures in a row: the interval (at least a minute),
    // doubled with each further failure, at most an hour.
    std::chrono::seconds backOff(int failures) const;

private:
    struct Plan {
        Clock::time_point answeredAt;
        std::chrono::seconds feedOwnInterval{0}; // <ttl> or max-age
        int failures = 0;
        Clock::time_point retryAt; // after a failure
    };

    std::chrono::seconds interval() const;

    Now now_;
    int intervalMinutes_ = 10;
    std::unordered_map<std::string, Plan> plans_;
};
