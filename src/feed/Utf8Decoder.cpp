#include "feed/Utf8Decoder.h"

namespace {

bool isContinuation(std::string_view bytes, std::size_t at) {
    return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
}

unsigned tail(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) & 0x3Fu;
}

} // namespace

bool decodeUtf8Strictly(std::string_view bytes, std::u16string& out) {
    out.clear();
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char16_t>(lead));
            i += 1;
        } else if (lead >= 0xF0 && lead <= 0xF7 && isContinuation(bytes, i + 1) &&
                   isContinuation(bytes, i + 2) && isContinuation(bytes, i + 3)) {
            out.push_back(u'?');
            i += 4;
        } else if (lead & 0x20) {
            if (!isContinuation(bytes, i + 1) || !isContinuation(bytes, i + 2)) {
                out.clear();
                return false;
            }
            const unsigned code =
                ((lead & 0x0Fu) << 12) | (tail(bytes, i + 1) << 6) | tail(bytes, i + 2);
            // A lone surrogate half has no form of its own either.
            out.push_back(code >= 0xD800 && code <= 0xDFFF ? u'?' : static_cast<char16_t>(code));
            i += 3;
        } else {
            if (!isContinuation(bytes, i + 1)) {
                out.clear();
                return false;
            }
            out.push_back(static_cast<char16_t>(((lead & 0x1Fu) << 6) | tail(bytes, i + 1)));
            i += 2;
        }
    }
    return true;
}
