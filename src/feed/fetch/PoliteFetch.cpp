#include "feed/fetch/PoliteFetch.h"

#include "feed/fetch/RefreshSchedule.h"

namespace {
// The same bounds as the answers kept for revalidation.
constexpr std::size_t kMaxBody = 4u * 1024 * 1024;
constexpr std::size_t kMaxTotal = 32u * 1024 * 1024;
} // namespace

PoliteFetch::PoliteFetch(FeedFetcher& inner, RefreshSchedule& schedule)
    : inner_(inner), schedule_(schedule), last_(kMaxBody, kMaxTotal, KeptBodies::Keep::Every) {}

bool PoliteFetch::fetch(const std::string& uri, Done done) {
    if (inner_.running())
        return false;
    if (!schedule_.due(uri)) {
        std::optional<FeedAnswer> last = lastAnswer(uri);
        // Without a body to show, a feed waits only after a failure; otherwise it is asked.
        if (last || schedule_.waitingAfterFailure(uri)) {
            done(last ? std::move(*last) : FeedAnswer{});
            return true;
        }
    }
    return inner_.fetch(uri, [this, uri, done](FeedAnswer answer) {
        schedule_.answered(uri, answer);
        if (answer.downloaded) {
            last_.keep(uri, {{}, {}, answer.contentType, answer.body});
        } else if (answer.throttled()) {
            if (std::optional<FeedAnswer> last = lastAnswer(uri))
                answer = std::move(*last);
        }
        done(std::move(answer));
    });
}

void PoliteFetch::refreshNow(const std::string& uri) {
    schedule_.expire(uri);
}

std::optional<FeedAnswer> PoliteFetch::lastAnswer(const std::string& uri) {
    std::optional<KeptBodies::Answer> kept = last_.find(uri);
    if (!kept)
        return std::nullopt;
    FeedAnswer answer;
    answer.downloaded = true;
    answer.body = std::move(kept->body);
    answer.contentType = std::move(kept->contentType);
    return answer;
}
