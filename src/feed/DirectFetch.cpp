#include "feed/DirectFetch.h"

#include "feed/FeedDownloader.h"

bool DirectFetch::fetch(const std::string& uri, Done done) {
    if (running_)
        return false;
    running_ = true;
    std::string body;
    std::string contentType;
    const bool downloaded = downloader_.DownloadToStream(body, contentType, uri);
    running_ = false;
    done(downloaded, std::move(body), std::move(contentType));
    return true;
}
