#pragma once

#include "framework/text/Cp932.h"

#include <array>
#include <cstddef>
#include <string_view>

// Decodes code page 932 bytes through tables built once from iconv, so that a Shift_JIS feed
// decodes at the speed of a UTF-8 one. Gives what iconv gives: an undecodable byte becomes
// "?" and decoding goes on at the next byte.
class Cp932Decoder {
public:
    static const Cp932Decoder& instance();

    // Calls put(char32_t) for each character; the user-defined area holds private use
    // characters, as code page 932 defines it.
    template <typename Put> void decode(std::string_view bytes, Put&& put) const {
        const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
        std::size_t i = 0;
        while (i < bytes.size()) {
            const unsigned char first = byteAt(i);
            if (first < 0x80) {
                put(static_cast<char32_t>(first));
                i += 1;
            } else if (!cp932::isLeadByte(first)) {
                put(static_cast<char32_t>(singles_[first]));
                i += 1;
            } else if (i + 1 < bytes.size() && pairs_[pairIndex(first, byteAt(i + 1))] != 0) {
                put(static_cast<char32_t>(pairs_[pairIndex(first, byteAt(i + 1))]));
                i += 2;
            } else {
                put(U'?');
                i += 1;
            }
        }
    }

    // True when `at` starts a character, as decode() reads text from `from` on.
    bool startsCharacter(std::string_view text, std::size_t from, std::size_t at) const;

private:
    bool isPair(std::string_view text, std::size_t at) const {
        return at + 1 < text.size() &&
               pairs_[pairIndex(static_cast<unsigned char>(text[at]),
                                static_cast<unsigned char>(text[at + 1]))] != 0;
    }

    Cp932Decoder();

    static std::size_t pairIndex(unsigned char lead, unsigned char trail) {
        return (static_cast<std::size_t>(lead) << 8) | trail;
    }

    std::array<char16_t, 0x100> singles_{};
    std::array<char16_t, 0x10000> pairs_{}; // 0: no character
};
