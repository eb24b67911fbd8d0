#pragma once

#include <string>
#include <string_view>

// One registered feed: title, URI and shown flag, all text as stored.
struct FeedEntry {
    std::string title;
    std::string uri;
    std::string shown;

    bool operator==(const FeedEntry&) const = default;
};

// news.csv holds neither a comma nor a line break inside a field. A comma in a URI becomes
// its percent form "%2C", which names the same resource; elsewhere the full-width "，". CR
// and LF each become `lineBreak`.
enum class FieldKind { Text, Uri };
std::string csvSafeField(std::string_view field, FieldKind kind, std::string_view lineBreak);

namespace feedmark {
// "○": the feed takes part in the rotation. Any other flag counts as hidden.
inline constexpr std::string_view Shown = "○";
// "×": hidden.
inline constexpr std::string_view Hidden = "×";
} // namespace feedmark
