#include "app/FeedEntry.h"

// Neither a comma nor CR or LF is ever part of a UTF-8 character, so the bytes are replaced
// where they stand.
std::string csvSafeField(std::string_view field, FieldKind kind, std::string_view lineBreak) {
    const std::string_view comma = kind == FieldKind::Uri ? "%2C" : "，";
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
