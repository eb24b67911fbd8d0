#pragma once

#include <string>
#include <string_view>

// Decodes feed bytes as UTF-8, strict about form and nothing else: a byte below 0x80 is
// one character; a byte of 0x80 or above starts a three-byte sequence when its bit 0x20
// is set and a two-byte one otherwise; every following byte must be 10xxxxxx. A
// well-formed four-byte sequence (lead 0xF0-0xF7) is one character without a code page
// 932 form and decodes to "?". Returns false, leaving `out` empty, when any sequence breaks
// the rule or is cut short by the end.
bool decodeUtf8Strictly(std::string_view bytes, std::u16string& out);
