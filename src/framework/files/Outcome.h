#pragma once

#include <string>

// The result of an action that may fail with a message for the user. The message is
// text, ready for the error box; an empty message means success.
struct Outcome {
    std::string error;

    bool ok() const { return error.empty(); }
    static Outcome success() { return {}; }
    static Outcome failure(std::string message) { return {std::move(message)}; }
};
