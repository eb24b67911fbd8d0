#include "feed/fetch/RefreshSchedule.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

using std::chrono::seconds;

bool startsWithTag(std::string_view text, std::string_view lowerName) {
    if (text.size() < lowerName.size())
        return false;
    for (std::size_t i = 0; i < lowerName.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerName[i])
            return false;
    return true;
}

// The RSS channel's <ttl>, in minutes: only the channel's own, before its first item, and
// never the text of a CDATA section or a comment, which a feed's authors do not control.
std::optional<seconds> ttlOf(std::string_view body) {
    constexpr std::string_view tag = "<ttl>";
    std::size_t at = body.find('<');
    for (; at != std::string_view::npos; at = body.find('<', at + 1)) {
        const std::string_view rest = body.substr(at);
        std::string_view closing;
        if (rest.starts_with("<![CDATA["))
            closing = "]]>";
        else if (rest.starts_with("<!--"))
            closing = "-->";
        if (!closing.empty()) {
            at = body.find(closing, at);
            if (at == std::string_view::npos)
                return std::nullopt;
            continue;
        }
        if (startsWithTag(rest, "<item") || startsWithTag(rest, "<entry"))
            return std::nullopt;
        if (startsWithTag(rest, tag))
            break;
    }
    if (at == std::string_view::npos)
        return std::nullopt;
    long long minutes = 0;
    bool any = false;
    for (auto it = body.begin() + static_cast<std::ptrdiff_t>(at + tag.size());
         it != body.end() && std::isdigit(static_cast<unsigned char>(*it)) && minutes < 1'000'000;
         ++it) {
        minutes = minutes * 10 + (*it - '0');
        any = true;
    }
    if (!any)
        return std::nullopt;
    return std::chrono::duration_cast<seconds>(std::chrono::minutes(minutes));
}

} // namespace

void RefreshSchedule::setIntervalMinutes(int minutes) {
    intervalMinutes_ = std::max(0, minutes);
}

seconds RefreshSchedule::interval() const {
    return std::chrono::minutes(intervalMinutes_);
}

RefreshSchedule::Clock::duration RefreshSchedule::untilDue(const std::string& uri) const {
    const auto found = plans_.find(uri);
    if (found == plans_.end())
        return Clock::duration::zero();
    const Plan& plan = found->second;
    if (plan.failures == 0 && intervalMinutes_ == 0)
        return Clock::duration::zero(); // the user asked for every visit
    const Clock::time_point at = plan.failures > 0
                                     ? plan.retryAt
                                     : plan.answeredAt + std::max(interval(), plan.feedOwnInterval);
    // Compared first: expire() plans for the beginning of time, which no subtraction reaches.
    const Clock::time_point now = now_();
    return at <= now ? Clock::duration::zero() : at - now;
}

bool RefreshSchedule::waitingAfterFailure(const std::string& uri) const {
    const auto found = plans_.find(uri);
    return found != plans_.end() && found->second.failures > 0 && now_() < found->second.retryAt;
}

void RefreshSchedule::answered(const std::string& uri, const FeedAnswer& answer) {
    Plan& plan = plans_[uri];
    plan.answeredAt = now_();
    if (answer.downloaded) {
        plan.failures = 0;
        const seconds own =
            std::max(ttlOf(answer.body).value_or(seconds(0)), answer.maxAge.value_or(seconds(0)));
        plan.feedOwnInterval = std::min<seconds>(own, longestServerWait);
        return;
    }
    ++plan.failures;
    seconds wait = backOff(plan.failures);
    if (answer.throttled() && answer.retryAfter)
        wait = std::max<seconds>(wait, std::min<seconds>(*answer.retryAfter, longestServerWait));
    plan.retryAt = plan.answeredAt + wait;
}

void RefreshSchedule::expire(const std::string& uri) {
    const auto found = plans_.find(uri);
    if (found == plans_.end())
        return;
    // The failures in a row still count for the wait after the next one.
    found->second.answeredAt = Clock::time_point::min();
    found->second.retryAt = Clock::time_point::min();
}

seconds RefreshSchedule::backOff(int failures) const {
    seconds wait = std::max<seconds>(interval(), std::chrono::minutes(1));
    for (int i = 1; i < failures && wait < longestBackOff; ++i)
        wait *= 2;
    return std::min<seconds>(wait, longestBackOff);
}
