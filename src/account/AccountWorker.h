#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs the account's network work on a thread of its own, one job after another, so that the
// sign never waits for the server. A job hands its result back through the event loop
// itself. Destroying the worker sets the abort flag, which ends a request in progress, and
// drops the jobs not yet begun.
class AccountWorker {
public:
    AccountWorker();
    ~AccountWorker();
    AccountWorker(const AccountWorker&) = delete;
    AccountWorker& operator=(const AccountWorker&) = delete;

    void post(std::function<void()> job);
    // Set while the worker is being destroyed; for the requests of its jobs.
    const std::atomic<bool>& abortFlag() const { return abort_; }

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::atomic<bool> abort_{false};
    std::thread thread_;
};
