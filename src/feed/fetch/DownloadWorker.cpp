#include "feed/fetch/DownloadWorker.h"

#include "feed/fetch/FeedDownloader.h"

DownloadWorker::DownloadWorker(const FeedDownloader& downloader)
    : downloader_(downloader), thread_([this] { work(); }) {}

DownloadWorker::~DownloadWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    abort_ = true;
    wake_.notify_one();
    thread_.join();
}

bool DownloadWorker::fetch(const std::string& uri, Done done) {
    if (running())
        return false;
    done_ = std::move(done);
    {
        const std::lock_guard lock(mutex_);
        pending_ = uri;
    }
    wake_.notify_one();
    return true;
}

void DownloadWorker::work() {
    for (;;) {
        std::string uri;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_; });
            if (stopping_)
                return;
            uri = std::move(*pending_);
            pending_.reset();
        }
        FeedAnswer answer = downloader_.download(uri, &abort_);
        if (abort_)
            return;
        // Queued to this object: dropped with it when the program ends first.
        QMetaObject::invokeMethod(
            this, [this, answer = std::move(answer)]() mutable { finish(std::move(answer)); },
            Qt::QueuedConnection);
    }
}

void DownloadWorker::finish(FeedAnswer answer) {
    const Done done = std::move(done_);
    done_ = nullptr;
    if (done)
        done(std::move(answer));
}
