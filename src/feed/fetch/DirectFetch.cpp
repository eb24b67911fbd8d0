#include "feed/fetch/DirectFetch.h"

#include "feed/fetch/FeedDownloader.h"

bool DirectFetch::fetch(const std::string& uri, Done done) {
    if (running_)
        return false;
    running_ = true;
    FeedAnswer answer = downloader_.download(uri);
    running_ = false;
    done(std::move(answer));
    return true;
}
