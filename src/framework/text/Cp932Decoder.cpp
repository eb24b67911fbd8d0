#include "framework/text/Cp932Decoder.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// The one UTF-16 unit iconv gives for these bytes, or 0.
char16_t decodeOne(iconv_t cd, const char* bytes, std::size_t length) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char16_t out[2] = {};
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    char* at = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &in, &inLeft, &at, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        outLeft != sizeof(char16_t))
        return 0;
    return out[0];
}

} // namespace

const Cp932Decoder& Cp932Decoder::instance() {
    static const Cp932Decoder decoder;
    return decoder;
}

Cp932Decoder::Cp932Decoder() {
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot decode code page 932");
    for (unsigned first = 0x80; first < 0x100; ++first) {
        const char single = static_cast<char>(first);
        if (!cp932::isLeadByte(static_cast<unsigned char>(first))) {
            const char16_t code = decodeOne(cd, &single, 1);
            singles_[first] = code != 0 ? code : u'?';
            continue;
        }
        for (unsigned trail = 0x40; trail < 0x100; ++trail) {
            const char pair[2] = {single, static_cast<char>(trail)};
            pairs_[pairIndex(static_cast<unsigned char>(first),
                             static_cast<unsigned char>(trail))] = decodeOne(cd, pair, 2);
        }
    }
    iconv_close(cd);
}

bool Cp932Decoder::startsCharacter(std::string_view text, std::size_t from, std::size_t at) const {
    std::size_t i = from;
    while (i < at)
        i += cp932::isLeadByte(static_cast<unsigned char>(text[i])) && isPair(text, i) ? 2 : 1;
    return i == at;
}
