#include "feed/parse/DecodeEntities.h"

#include "framework/text/CharacterReference.h"
#include "framework/text/Utf8.h"

#include <algorithm>
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

// Decodes the character references other than the five that the fixed replacements handle;
// "&" never lies inside a character, and a reference is ASCII up to its ";".
void decodeReferences(std::string& text) {
    static constexpr std::array<std::string_view, 5> kept{"quot", "amp", "apos", "lt", "gt"};
    std::size_t found = text.find('&');
    if (found == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (; found != std::string::npos; found = text.find('&', found + 1)) {
        const auto reference = characterReferenceAt(std::string_view(text).substr(found));
        if (!reference)
            continue;
        const std::string_view name =
            std::string_view(text).substr(found + 1, reference->length - 2);
        if (std::find(kept.begin(), kept.end(), name) != kept.end())
            continue;
        result.append(text, start, found - start);
        utf8::append(reference->character, result);
        start = found + reference->length;
        found = start - 1;
    }
    if (start == 0)
        return;
    result.append(text, start, std::string::npos);
    text = std::move(result);
}

} // namespace

std::string DecodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> replacements{{
        {"&quot;", "\""},
        {"&amp;", "&"},
        {"&apos;", "’"},
        {"&lt;", "<"},
        {"&gt;", ">"},
        {"!?", "！？"},
        {"?", "～"}, // U+FF5E, as code page 932 reads back its wave dash
    }};
    std::string result(text);
    for (std::size_t step = 0; step < replacements.size(); ++step) {
        // Other references decode after "&gt;", so that an escaped one ("&amp;#233;") decodes
        // too, as an escaped "&amp;lt;" does.
        if (step == 5)
            decodeReferences(result);
        replaceAll(result, replacements[step].first, replacements[step].second);
    }
    return result;
}
