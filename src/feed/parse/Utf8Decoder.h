#pragma once

#include <string_view>

// Decodes feed bytes as UTF-8, looking at form and nothing else, and calls put(char32_t)
// for each character: a byte below 0x80 is one character; a lead byte 0xC0-0xDF starts a
// two-byte sequence, 0xE0-0xEF a three-byte one and 0xF0-0xF7 a four-byte one; every
// following byte must be 10xxxxxx. A four-byte sequence beyond U+10FFFF is "?". A sequence
// that breaks the rule or is cut short by the end is emitted as one "?" and decoding goes on
// at the byte that broke it, so one stray byte costs one character rather than the whole
// feed; a byte that starts no sequence (0x80-0xBF, 0xF8-0xFF) is one "?" of its own. Every
// character survives, so garbage must not pass for one.
template <typename Put> void decodeUtf8(std::string_view bytes, Put&& put) {
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const auto continues = [&](std::size_t at) {
        return at < bytes.size() && (byteAt(at) & 0xC0) == 0x80;
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = byteAt(i);
        if (lead < 0x80) {
            put(static_cast<char32_t>(lead));
            i += 1;
        } else if (lead >= 0xF0 && lead <= 0xF7 && continues(i + 1) && continues(i + 2) &&
                   continues(i + 3)) {
            const char32_t code = ((lead & 0x07u) << 18) | ((byteAt(i + 1) & 0x3Fu) << 12) |
                                  ((byteAt(i + 2) & 0x3Fu) << 6) | (byteAt(i + 3) & 0x3Fu);
            put(code <= 0x10FFFF ? code : U'?');
            i += 4;
        } else if (lead < 0xC0 || lead >= 0xF8) {
            put(U'?');
            i += 1;
        } else if (lead >= 0xF0) {
            std::size_t end = i + 1;
            while (end < i + 4 && continues(end))
                ++end;
            put(U'?');
            i = end;
        } else if (!continues(i + 1)) {
            put(U'?');
            i += 1;
        } else if (!(lead & 0x20)) {
            put(static_cast<char32_t>(((lead & 0x1Fu) << 6) | (byteAt(i + 1) & 0x3Fu)));
            i += 2;
        } else if (!continues(i + 2)) {
            put(U'?');
            i += 2;
        } else {
            put(static_cast<char32_t>(((lead & 0x0Fu) << 12) | ((byteAt(i + 1) & 0x3Fu) << 6) |
                                      (byteAt(i + 2) & 0x3Fu)));
            i += 3;
        }
    }
}
