#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and replacements. Files are read and written in one pass and closed
// again; nothing is held open.
class FileBytes {
public:
    // The file's bytes; nothing when it cannot be opened for reading, is not a regular
    // file, or holds more than maxBytes bytes.
    static std::optional<std::string>
    read(const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

    // Replaces the file with the given bytes, or creates it. The bytes go to a temporary
    // file in the same directory, which is flushed to disk and then renamed over the old
    // file, so a crash or a full disk leaves either the old file or the new one. A file
    // whose permissions allow nobody to write it counts as read-only and is left alone,
    // whoever runs the program. A symbolic link is followed and its target replaced. The
    // old file's permissions are kept. False when the file could not be replaced.
    static bool replace(const std::string& path, std::string_view bytes);
};
