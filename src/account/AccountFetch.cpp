#include "account/AccountFetch.h"

#include "account/AccountFeedSource.h"
#include "account/AccountFeedUri.h"

bool AccountFetch::fetch(const std::string& uri, Done done) {
    if (std::optional<FeedAnswer> answer = account_.answer(uri)) {
        if (inner_.running())
            return false;
        done(std::move(*answer));
        return true;
    }
    return inner_.fetch(uri, std::move(done));
}

void AccountFetch::refreshNow(const std::string& uri) {
    if (accountfeed::feedIdOf(uri))
        account_.refreshSoon();
    else
        inner_.refreshNow(uri);
}
