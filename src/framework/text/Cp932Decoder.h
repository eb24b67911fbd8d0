#pragma once

#include "framework/text/Cp932.h"
#include "framework/text/Cp932ExtraCodes.h"

#include <array>
#include <cstddef>
#include <string_view>

// Decodes code page 932 bytes through tables built once from iconv, so that a Shift_JIS feed
// decodes at the speed of a UTF-8 one. Gives what iconv gives: an undecodable byte becomes
// "?" and decoding goes on at the next byte.
class Cp932Decoder {
public:
    static const Cp932Decoder& instance();

    // Bytes from outside (a Shift_JIS feed, a file): the user-defined area holds private use
    // characters, as code page 932 defines it. Calls put(char32_t) for each character.
    template <typename Put> void decode(std::string_view bytes, Put&& put) const {
        decodeWith(bytes, put,
                   [](unsigned char, unsigned char, char32_t standard) { return standard; });
    }

    // The program's own text: a code of the user-defined area is the character that the
    // table of extra codes gave it, or the area's private use character when it has none.
    template <typename Put>
    void decodeText(std::string_view bytes, Put&& put,
                    const Cp932ExtraCodes& extras = Cp932ExtraCodes::shared()) const {
        decodeWith(bytes, put,
                   [&extras](unsigned char lead, unsigned char trail, char32_t standard) {
                       if (!Cp932ExtraCodes::isAreaLead(lead))
                           return standard;
                       const char32_t extra = extras.characterOf(lead, trail);
                       return extra != 0 ? extra : standard;
                   });
    }

    // True when `at` starts a character, as decode() reads text from `from` on.
    bool startsCharacter(std::string_view text, std::size_t from, std::size_t at) const;

private:
    template <typename Put, typename Pair>
    void decodeWith(std::string_view bytes, Put& put, Pair pair) const {
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
                put(pair(first, byteAt(i + 1), pairs_[pairIndex(first, byteAt(i + 1))]));
                i += 2;
            } else {
                put(U'?');
                i += 1;
            }
        }
    }

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
