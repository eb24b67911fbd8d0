#include "feed/FeedText.h"

#include "feed/Utf8Decoder.h"
#include "framework/Cp932.h"

namespace {

// Writes each "<![CDATA[ ... ]]>" as the escaped text an XML writer would give for its
// content, so that a title or description in CDATA reads like its escaped twin. An
// unterminated section is left as it is.
std::u16string unwrapCdata(std::u16string text) {
    static constexpr std::u16string_view open = u"<![CDATA[";
    static constexpr std::u16string_view close = u"]]>";
    std::size_t found = text.find(open);
    if (found == std::u16string::npos)
        return text;
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t start = 0;
    while (found != std::u16string::npos) {
        const std::size_t contentStart = found + open.size();
        const std::size_t end = text.find(close, contentStart);
        if (end == std::u16string::npos)
            break;
        result.append(text, start, found - start);
        for (std::size_t i = contentStart; i < end; ++i) {
            switch (text[i]) {
            case u'&':
                result += u"&amp;";
                break;
            case u'<':
                result += u"&lt;";
                break;
            case u'>':
                result += u"&gt;";
                break;
            default:
                result += text[i];
            }
        }
        start = end + close.size();
        found = text.find(open, start);
    }
    result.append(text, start, std::u16string::npos);
    return result;
}

} // namespace

std::vector<std::string> normaliseFeedText(std::string_view body) {
    const std::size_t nul = body.find('\0');
    if (nul != std::string_view::npos)
        body = body.substr(0, nul);

    std::u16string decoded;
    if (!decodeUtf8Strictly(body, decoded))
        return {};
    std::string text = cp932::fromUtf16(unwrapCdata(std::move(decoded)));
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    if (text.empty())
        return {};

    // "<" is never the second byte of a two-byte character, so splitting on bytes is safe.
    std::vector<std::string> lines;
    std::size_t end = text.find('<');
    lines.emplace_back(text, 0, end);
    while (end != std::string::npos) {
        const std::size_t start = end;
        end = text.find('<', start + 1);
        lines.emplace_back(text, start, end == std::string::npos ? end : end - start);
    }
    return lines;
}
