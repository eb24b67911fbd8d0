#include "framework/text/Utf8.h"

namespace utf8 {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

char32_t next(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 1) {
        ++at;
        return lead;
    }
    char32_t c = length == 0 ? 0 : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80) {
            c = 0;
            break;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
    if (length == 0 || c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return U'?';
    }
    at += length;
    return c;
}

} // namespace utf8
