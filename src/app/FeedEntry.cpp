#include "app/FeedEntry.h"

// Neither a comma nor CR or LF can be the second byte of a two-byte character, so the bytes
// are replaced where they stand.
std::string csvSafeField(std::string_view field, FieldKind kind, std::string_view lineBreak) {
    const std::string_view comma = kind == FieldKind::Uri ? "%2C" : "\x81\x43"; // ，
    std::string text;
    text.reserve(field.size());
    for (const char c : field) {
        if (c == ',')
            text += comma;
        else if (c == '\r' || c == '\n')
            text += lineBreak;
        else
            text += c;
    }
    return text;
}
