#include "framework/text/Cp932.h"

#include "framework/text/Cp932Decoder.h"
#include "framework/text/Cp932Encoder.h"
#include "framework/text/Utf8.h"

namespace cp932 {
bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string toUtf8(std::string_view cp932Bytes) {
    std::string result;
    result.reserve(cp932Bytes.size() + cp932Bytes.size() / 2);
    Cp932Decoder::instance().decode(cp932Bytes,
                                    [&result](char32_t code) { utf8::append(code, result); });
    return result;
}

std::string fromUtf8(std::string_view text) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
        encoder.append(utf8::next(text, at), result);
    return result;
}

std::size_t width(char32_t character) {
    return Cp932Encoder::instance().width(character);
}

std::size_t cutLength(std::string_view text, std::size_t maxBytes) {
    // Every UTF-8 byte stands for at most one code page 932 byte, so a text of at most
    // maxBytes bytes needs no walk.
    if (text.size() <= maxBytes)
        return text.size();
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::size_t bytes = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t after = at;
        bytes += encoder.width(utf8::next(text, after));
        if (bytes > maxBytes)
            break;
        at = after;
    }
    return at;
}

std::string cut(std::string_view text, std::size_t maxBytes) {
    return std::string(text.substr(0, cutLength(text, maxBytes)));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace cp932
