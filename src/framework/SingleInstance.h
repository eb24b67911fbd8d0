#pragma once

#include <string>

// Keeps a second copy of the program out: an exclusive lock on a file in the runtime
// directory. The lock dies with the process, so a crashed instance never blocks a new start.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another instance holds the lock. When the lock file cannot be opened at
    // all the program runs anyway: refusing to start would be worse than a second copy.
    bool acquired() const { return acquired_; }

    static std::string lockPath();

private:
    int fd_ = -1;
    bool acquired_ = true;
};
