#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text inside the program is UTF-8 in std::string (the feed pipeline, the line stores, the
// settings in memory) and QString in the widgets; these helpers cross between the two.
namespace utf8 {

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// Appends the character; a surrogate half or a value beyond U+10FFFF becomes "?".
void append(char32_t character, std::string& text);

// The character at `at`, moving `at` past it. A byte that starts no well-formed sequence is
// one "?", so that text from anywhere can be walked.
char32_t next(std::string_view text, std::size_t& at);

} // namespace utf8
