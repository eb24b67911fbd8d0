#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

// Helpers shared by the fuzz targets: a broken invariant aborts, which the fuzzer reports
// as a crash with the input that caused it.
namespace fuzzsupport {

inline void check(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// A file of this process for readers that take a path; in memory when /dev/shm exists.
inline const std::string& scratchPath(std::string_view name) {
    static const std::string path = [name] {
        const char* directory = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(directory) + "/glowtape-fuzz-" + std::to_string(::getpid()) + "-" +
               std::string(name);
    }();
    return path;
}

} // namespace fuzzsupport
