#include "feed/DecodeEntities.h"

#include <array>
#include <utility>

namespace {

// Replaces every occurrence of `from`, left to right without overlap.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::size_t found = text.find(from);
    if (found == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    while (found != std::string::npos) {
        result.append(text, start, found - start);
        result.append(to);
        start = found + from.size();
        found = text.find(from, start);
    }
    result.append(text, start, std::string::npos);
    text = std::move(result);
}

} // namespace

std::string DecodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> replacements{{
        {"&quot;", "\""},
        {"&amp;", "&"},
        {"&apos;", "\x81\x66"}, // ’
        {"&lt;", "<"},
        {"&gt;", ">"},
        {"!?", "\x81\x49\x81\x48"}, // ！？
        {"?", "\x81\x60"},          // ～
    }};
    std::string result(text);
    for (const auto& [from, to] : replacements)
        replaceAll(result, from, to);
    return result;
}
