#include "feed/parse/FeedText.h"

#include "feed/parse/AtomRewriter.h"
#include "feed/parse/FeedEncoding.h"
#include "feed/parse/Utf8Decoder.h"
#include "framework/text/Cp932Decoder.h"
#include "framework/text/Utf8.h"

#include <QString>

namespace {

template <typename Char> struct Cdata;
template <> struct Cdata<char> {
    static constexpr std::string_view open = "<![CDATA[";
    static constexpr std::string_view close = "]]>";
};
template <> struct Cdata<char16_t> {
    static constexpr std::u16string_view open = u"<![CDATA[";
    static constexpr std::u16string_view close = u"]]>";
};

bool readsAlike(std::string_view bytes);

// The bytes without CR and LF.
void appendWithoutLineBreaks(std::string& out, std::string_view bytes) {
    const std::size_t before = out.size();
    out.resize(before + bytes.size());
    char* at = out.data() + before;
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            *at++ = c;
    out.resize(std::size_t(at - out.data()));
}

// Writes decoded text as UTF-8 without CR and LF. Each "<![CDATA[ ... ]]>" is
// written as the escaped text an XML writer would give for its content, so that a title or
// description in CDATA reads like its escaped twin; an unterminated section stays as it
// is. Each stretch is decoded on its own, so removing the markers cannot join the broken
// halves of a character. decode(stretch, put) calls put(char32_t) per character;
// startsCharacter(text, from, at) tells whether a marker found at `at` is really there.
// With copyUtf8, a stretch of standard UTF-8 outside CDATA is copied as it is, which is what
// decoding it would give, only faster.
template <bool copyUtf8 = false, typename Char, typename Decode, typename Boundary>
std::string encodeLines(std::basic_string_view<Char> text, Decode decode,
                        Boundary startsCharacter) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    const auto plain = [&](char32_t code) {
        if (code != U'\r' && code != U'\n')
            utf8::append(code, result);
    };
    const auto escaped = [&](char32_t code) {
        switch (code) {
        case U'&':
            result += "&amp;";
            break;
        case U'<':
            result += "&lt;";
            break;
        case U'>':
            result += "&gt;";
            break;
        default:
            plain(code);
        }
    };
    const auto plainStretch = [&](std::basic_string_view<Char> stretch) {
        if constexpr (copyUtf8) {
            if (readsAlike(stretch)) {
                appendWithoutLineBreaks(result, stretch);
                return;
            }
        }
        decode(stretch, plain);
    };
    using Markers = Cdata<Char>;
    std::size_t start = 0;
    for (std::size_t found = text.find(Markers::open); found != std::string_view::npos;
         found = text.find(Markers::open, start)) {
        const std::size_t contentStart = found + Markers::open.size();
        std::size_t end = text.find(Markers::close, contentStart);
        // A marker inside a character is the second half of a pair, so the next character
        // starts right after it: each byte is walked once however many false markers come.
        std::size_t boundary = contentStart;
        while (end != std::string_view::npos && !startsCharacter(text, boundary, end)) {
            boundary = end + 1;
            end = text.find(Markers::close, end + 1);
        }
        if (end == std::string_view::npos)
            break;
        plainStretch(text.substr(start, found - start));
        decode(text.substr(contentStart, end - contentStart), escaped);
        start = end + Markers::close.size();
    }
    plainStretch(text.substr(start));
    return result;
}

const auto utf8Stretch = [](std::string_view bytes, auto&& put) { decodeUtf8(bytes, put); };
const auto utf16Stretch = [](std::u16string_view units, auto&& put) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (QChar::isHighSurrogate(units[i]) && i + 1 < units.size() &&
            QChar::isLowSurrogate(units[i + 1])) {
            put(QChar::surrogateToUcs4(units[i], units[i + 1]));
            ++i;
        } else {
            put(static_cast<char32_t>(units[i]));
        }
    }
};
const auto cp932Stretch = [](std::string_view bytes, auto&& put) {
    Cp932Decoder::instance().decode(bytes, put);
};
// In UTF-8 and UTF-16 an ASCII byte or unit never lies inside a character.
const auto anywhere = [](auto, std::size_t, std::size_t) { return true; };
const auto cp932Boundary = [](std::string_view text, std::size_t from, std::size_t at) {
    return Cp932Decoder::instance().startsCharacter(text, from, at);
};

// Decoded text as UTF-8 for the XML reader; a lone surrogate half becomes "?". Re-encoding UTF-8
// never takes more bytes than the original; a UTF-16 unit takes at most three, a surrogate pair
// four.
class Utf8Writer {
public:
    explicit Utf8Writer(std::size_t capacity) {
        bytes_.resize(qsizetype(capacity));
        at_ = bytes_.data();
    }

    void operator()(char32_t code) {
        if (code < 0x80) {
            *at_++ = static_cast<char>(code);
        } else if (code < 0x800) {
            *at_++ = static_cast<char>(0xC0 | (code >> 6));
            *at_++ = static_cast<char>(0x80 | (code & 0x3F));
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            *at_++ = '?';
        } else if (code >= 0x10000) {
            *at_++ = static_cast<char>(0xF0 | (code >> 18));
            *at_++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            *at_++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *at_++ = static_cast<char>(0x80 | (code & 0x3F));
        } else {
            *at_++ = static_cast<char>(0xE0 | (code >> 12));
            *at_++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *at_++ = static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    QByteArray take() {
        bytes_.truncate(at_ - bytes_.data());
        return std::move(bytes_);
    }

private:
    QByteArray bytes_;
    char* at_ = nullptr;
};

// True when every sequence is standard UTF-8, which the XML reader then decodes exactly as
// the program's own decoder does, so the bytes can go to it as they are.
bool readsAlike(std::string_view bytes) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = at + bytes.size();
    const auto continues = [&](const unsigned char* p) { return p < end && (*p & 0xC0) == 0x80; };
    while (at < end) {
        if (*at < 0x80) {
            ++at;
        } else if (*at >= 0xC2 && *at <= 0xDF && continues(at + 1)) {
            at += 2;
        } else if (*at >= 0xE0 && *at <= 0xEF && continues(at + 1) && continues(at + 2)) {
            const unsigned code = ((at[0] & 0x0Fu) << 12) | ((at[1] & 0x3Fu) << 6);
            if (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))
                return false;
            at += 3;
        } else if (*at >= 0xF0 && *at <= 0xF4 && continues(at + 1) && continues(at + 2) &&
                   continues(at + 3)) {
            const unsigned code = ((at[0] & 0x07u) << 18) | ((at[1] & 0x3Fu) << 12);
            if (code < 0x10000 || code > 0x10FFFF)
                return false;
            at += 4;
        } else {
            return false;
        }
    }
    return true;
}

// The rewritten Atom document, or the decoded text by the line rules when it is not
// well-formed. `utf8` tells that the text is UTF-8 bytes; a code page 932 byte or a UTF-16
// unit takes at most three bytes in UTF-8.
template <typename Char, typename Decode, typename Boundary>
std::string encodeAtom(std::basic_string_view<Char> text, Decode decode, Boundary boundary,
                       std::string_view documentUri, bool utf8Bytes) {
    QByteArray utf8;
    if constexpr (sizeof(Char) == 1) {
        if (utf8Bytes && readsAlike(text))
            utf8 = QByteArray::fromRawData(text.data(), qsizetype(text.size()));
    }
    if (utf8.isNull()) {
        Utf8Writer writer(text.size() * (utf8Bytes ? 1 : 3));
        decode(text, writer);
        utf8 = writer.take();
    }
    if (std::optional<std::string> rewritten = rewriteAtom(utf8, documentUri))
        return std::move(*rewritten);
    return encodeLines(text, decode, boundary);
}

std::string asciiHead(std::u16string_view text) {
    std::string head;
    for (const char16_t unit : text.substr(0, atomSniffLength))
        head += unit < 0x80 ? static_cast<char>(unit) : '?';
    return head;
}

} // namespace

std::string normaliseFeedText(std::string_view body, std::string_view contentType,
                              std::string_view documentUri) {
    const FeedEncoding encoding = FeedEncoding::of(body, contentType);
    const bool utf8 = encoding.isUtf8();
    if (!utf8 && !encoding.isCp932()) {
        if (const std::optional<std::u16string> text =
                decodeWithIconv(body.substr(encoding.markLength), encoding.name)) {
            const std::u16string_view units(*text);
            if (hasAtomRoot(asciiHead(units)))
                return encodeAtom(units, utf16Stretch, anywhere, documentUri, false);
            return encodeLines(units, utf16Stretch, anywhere);
        }
    }

    // UTF-8 and code page 932 never have a NUL byte inside a character.
    const std::size_t nul = body.find('\0');
    if (nul != std::string_view::npos)
        body = body.substr(0, nul);
    const bool atom = hasAtomRoot(body);
    if (!utf8 && encoding.isCp932())
        return atom ? encodeAtom(body, cp932Stretch, cp932Boundary, documentUri, false)
                    : encodeLines(body, cp932Stretch, cp932Boundary);
    if (!atom)
        return encodeLines<true>(body, utf8Stretch, anywhere);
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    return encodeAtom(body, utf8Stretch, anywhere, documentUri, true);
}
