#include "feed/FeedText.h"

#include "feed/Cp932Encoder.h"
#include "feed/Utf8Decoder.h"

namespace {

constexpr std::string_view cdataOpen = "<![CDATA[";
constexpr std::string_view cdataClose = "]]>";

// Writes each "<![CDATA[ ... ]]>" as the escaped text an XML writer would give for its
// content, so that a title or description in CDATA reads like its escaped twin. An
// unterminated section is left as it is. Only ASCII bytes change, so well-formed UTF-8
// stays well-formed.
std::string unwrapCdata(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t start = 0;
    for (std::size_t found = text.find(cdataOpen); found != std::string_view::npos;
         found = text.find(cdataOpen, start)) {
        const std::size_t contentStart = found + cdataOpen.size();
        const std::size_t end = text.find(cdataClose, contentStart);
        if (end == std::string_view::npos)
            break;
        result.append(text, start, found - start);
        for (std::size_t i = contentStart; i < end; ++i) {
            switch (text[i]) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            default:
                result += text[i];
            }
        }
        start = end + cdataClose.size();
    }
    result.append(text, start, std::string_view::npos);
    return result;
}

// Decodes to code page 932 without CR and LF; empty when the text is not well-formed.
std::string toCp932(std::string_view utf8) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::string text;
    text.reserve(utf8.size());
    const bool wellFormed = decodeUtf8Strictly(utf8, [&](char16_t code) {
        if (code != u'\r' && code != u'\n')
            encoder.append(code, text);
    });
    if (!wellFormed)
        return {};
    return text;
}

} // namespace

std::string normaliseFeedText(std::string_view body) {
    const std::size_t nul = body.find('\0');
    if (nul != std::string_view::npos)
        body = body.substr(0, nul);

    std::string text;
    if (body.find(cdataOpen) == std::string_view::npos) {
        text = toCp932(body);
    } else {
        // Checked first, so that removing the markers cannot join broken sequences.
        if (!decodeUtf8Strictly(body, [](char16_t) {}))
            return {};
        text = toCp932(unwrapCdata(body));
    }
    return text;
}
