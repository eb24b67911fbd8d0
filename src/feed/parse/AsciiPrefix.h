#pragma once

#include <string_view>

// True when the first bytes of text, with A-Z lowered, are `prefix` (lower-case ASCII).
inline bool hasAsciiPrefix(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}
