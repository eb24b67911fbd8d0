#pragma once

#include <string_view>

// Decodes feed bytes as UTF-8, looking at form and nothing else, and calls put(char16_t)
// for each character: a byte below 0x80 is one character; a byte of 0x80 or above starts a
// three-byte sequence when its bit 0x20 is set and a two-byte one otherwise; every
// following byte must be 10xxxxxx. A well-formed four-byte sequence (lead 0xF0-0xF7) is a
// character without a code page 932 form and is emitted as "?". A sequence that breaks the
// rule or is cut short by the end is emitted as one "?" and decoding goes on at the byte
// that broke it, so one stray byte costs one character rather than the whole feed.
template <typename Put> void decodeUtf8(std::string_view bytes, Put&& put) {
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const auto continues = [&](std::size_t at) {
        return at < bytes.size() && (byteAt(at) & 0xC0) == 0x80;
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = byteAt(i);
        if (lead < 0x80) {
            put(static_cast<char16_t>(lead));
            i += 1;
        } else if (lead >= 0xF0 && lead <= 0xF7 && continues(i + 1) && continues(i + 2) &&
                   continues(i + 3)) {
            put(u'?');
            i += 4;
        } else if (!continues(i + 1)) {
            put(u'?');
            i += 1;
        } else if (!(lead & 0x20)) {
            put(static_cast<char16_t>(((lead & 0x1Fu) << 6) | (byteAt(i + 1) & 0x3Fu)));
            i += 2;
        } else if (!continues(i + 2)) {
            put(u'?');
            i += 2;
        } else {
            put(static_cast<char16_t>(((lead & 0x0Fu) << 12) | ((byteAt(i + 1) & 0x3Fu) << 6) |
                                      (byteAt(i + 2) & 0x3Fu)));
            i += 3;
        }
    }
}
