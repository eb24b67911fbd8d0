#pragma once

#include <string>

// Keeps a second copy of the program out: an exclusive lock on a file in the runtime
// directory, else in a directory only this user can write. The lock dies with the process,
// so a crashed instance never blocks a new start.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another instance holds the lock. When the lock file cannot be opened at
    // all the program runs anyway: refusing to start would be worse than a second copy.
    bool acquired() const { return acquired_; }

    // Empty when no directory of this user's own can be had.
    static std::string lockPath();

private:
    int fd_ = -1;
    bool acquired_ = true;
};
