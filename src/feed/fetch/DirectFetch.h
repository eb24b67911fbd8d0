#pragma once

#include "feed/fetch/FeedFetcher.h"

class FeedDownloader;

// Downloads in the caller and answers before it returns: for the command-line tool and for
// running the rotation without an event loop.
class DirectFetch : public FeedFetcher {
public:
    explicit DirectFetch(const FeedDownloader& downloader) : downloader_(downloader) {}

    bool fetch(const std::string& uri, Done done) override;
    bool running() const override { return running_; }

private:
    const FeedDownloader& downloader_;
    bool running_ = false;
};
