#pragma once

#include "feed/fetch/FeedFetcher.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class FeedDownloader;

// Runs one download at a time on a thread of its own, so that the window thread keeps its
// event loop while a slow or dead server is waited for. The result comes back through the
// event loop of the thread that created the worker. Destroying the worker aborts a transfer
// in progress and drops its result.
class DownloadWorker : public QObject, public FeedFetcher {
public:
    explicit DownloadWorker(const FeedDownloader& downloader);
    ~DownloadWorker() override;

    bool fetch(const std::string& uri, Done done) override;
    bool running() const override { return done_ != nullptr; }

private:
    void work();
    void finish(FeedAnswer answer);

    const FeedDownloader& downloader_;
    Done done_; // set while a download runs; window thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::string> pending_; // the URI handed to the thread
    bool stopping_ = false;
    std::atomic<bool> abort_{false};
    std::thread thread_;
};
