#pragma once

#include <string>

// The result of an action that may fail with a message for the user. The message is
// text, ready for the error box; an empty message means success.
struct Outcome {
    std::string error;

    bool ok() const { return error.empty(); }
    static Outcome success() { return {}; }
    static Outcome failure(std::string message) { return {std::move(message)}; }
    // A failure about one file: `text` is a source text of context "Outcome", marked with
    // QT_TRANSLATE_NOOP, in which "%1" stands for the path (UTF-8).
    static Outcome fileFailure(const char* text, const std::string& path);
};
