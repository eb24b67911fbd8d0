#include "feed/Cp932Encoder.h"

#include "framework/Cp932.h"

const Cp932Encoder& Cp932Encoder::instance() {
    static const Cp932Encoder encoder;
    return encoder;
}

Cp932Encoder::Cp932Encoder() {
    forms_.fill('?');
    // Small blocks keep iconv's restarts after each character without a form cheap. Each
    // form is one byte, or two when the first is a lead byte, so a block's output splits
    // back unambiguously.
    constexpr std::uint32_t block = 32;
    for (std::uint32_t base = 0; base < 0x10000; base += block) {
        std::u16string codes;
        for (std::uint32_t code = base; code < base + block; ++code)
            if (code < 0xD800 || code > 0xDFFF)
                codes.push_back(static_cast<char16_t>(code));
        if (codes.empty())
            continue;
        const std::string bytes = cp932::fromUtf16(codes);
        std::size_t at = 0;
        for (const char16_t code : codes) {
            const auto first = static_cast<unsigned char>(bytes.at(at));
            if (cp932::isLeadByte(first)) {
                const auto second = static_cast<unsigned char>(bytes.at(at + 1));
                forms_[code] = static_cast<std::uint16_t>(first | (second << 8));
                at += 2;
            } else {
                forms_[code] = first;
                at += 1;
            }
        }
    }
}
