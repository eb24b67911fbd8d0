#pragma once

#include <string>
#include <string_view>

// Code page 932 (Shift-JIS) where the files and outside programs see it. The program's own
// text is UTF-8 (framework/text/Utf8.h); rules that count bytes count the code page 932 form
// of that text, so that they cut where they always did for text code page 932 holds.
namespace cp932 {

bool isLeadByte(unsigned char byte);

// Code page 932 bytes as UTF-8; an undecodable byte becomes "?".
std::string toUtf8(std::string_view cp932Bytes);
// UTF-8 text as code page 932 bytes; a character without a form becomes "?".
std::string fromUtf8(std::string_view text);

// Bytes of the character's code page 932 form: one for ASCII and half-width katakana, two
// otherwise. A character that code page 932 lacks counts two, as a kanji does.
std::size_t width(char32_t character);

// UTF-8 length of the longest prefix of the text whose code page 932 form takes at most
// maxBytes bytes; it never ends inside a character.
std::size_t cutLength(std::string_view text, std::size_t maxBytes);
std::string cut(std::string_view text, std::size_t maxBytes);

// Equality with ASCII letters compared without regard to case, for code page 932 bytes and
// UTF-8 alike. The second byte of a two-byte character is compared exactly, although it may
// lie in the ASCII letter range.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace cp932
