#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text inside the program is UTF-8 in std::string (the feed pipeline, the line stores, the
// settings in memory) and QString in the widgets; these helpers cross between the two.
namespace utf8 {

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// Appends the character; a surrogate half or a value beyond U+10FFFF becomes "?". Inline:
// whole feeds pass through it a character at a time.
inline void append(char32_t c, std::string& text) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        const char bytes[] = {static_cast<char>(0xC0 | (c >> 6)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        text.append(bytes, 2);
    } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        text += '?';
    } else if (c < 0x10000) {
        const char bytes[] = {static_cast<char>(0xE0 | (c >> 12)),
                              static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        text.append(bytes, 3);
    } else {
        const char bytes[] = {
            static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        text.append(bytes, 4);
    }
}

// The character at `at`, moving `at` past it. A byte that starts no well-formed sequence is
// one "?", so that text from anywhere can be walked.
char32_t next(std::string_view text, std::size_t& at);

} // namespace utf8
