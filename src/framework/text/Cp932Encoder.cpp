#include "framework/text/Cp932Encoder.h"

#include "framework/text/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// Code page 932 bytes of the characters, "?" for each that has no form.
std::string convertBlock(iconv_t cd, std::u16string_view codes) {
    std::string result;
    char* in = const_cast<char*>(reinterpret_cast<const char*>(codes.data()));
    std::size_t inLeft = codes.size() * sizeof(char16_t);
    while (inLeft > 0) {
        char buffer[256];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        result.append(buffer, out - buffer);
        if (converted == static_cast<std::size_t>(-1) && error != E2BIG) {
            result += '?';
            in += sizeof(char16_t);
            inLeft -= sizeof(char16_t);
        }
    }
    return result;
}

} // namespace

const Cp932Encoder& Cp932Encoder::instance() {
    static const Cp932Encoder encoder;
    return encoder;
}

Cp932Encoder::Cp932Encoder() {
    forms_.fill(kNoForm);
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot encode code page 932");
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
        const std::string bytes = convertBlock(cd, codes);
        std::size_t at = 0;
        for (const char16_t code : codes) {
            const auto first = static_cast<unsigned char>(bytes.at(at));
            if (cp932::isLeadByte(first)) {
                const auto second = static_cast<unsigned char>(bytes.at(at + 1));
                forms_[code] = static_cast<std::uint16_t>(first | (second << 8));
                at += 2;
            } else {
                if (first != '?' || code == u'?')
                    forms_[code] = first;
                at += 1;
            }
        }
    }
    iconv_close(cd);
}
