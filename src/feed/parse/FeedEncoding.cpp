#include "feed/parse/FeedEncoding.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <vector>

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return result;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Only plain encoding names reach iconv, never option suffixes such as "//IGNORE".
std::string plainName(std::string_view name) {
    name = trimmed(name);
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
        name.back() == name.front())
        name = name.substr(1, name.size() - 2);
    const bool plain =
        !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   c == '-' || c == '_' || c == '.' || c == ':';
        });
    return plain ? std::string(name) : std::string();
}

std::string charsetOfContentType(std::string_view contentType) {
    std::size_t at = contentType.find(';');
    while (at != std::string_view::npos) {
        const std::size_t next = contentType.find(';', at + 1);
        const std::string_view parameter = contentType.substr(at + 1, next - at - 1);
        const std::size_t equals = parameter.find('=');
        if (equals != std::string_view::npos &&
            lowered(trimmed(parameter.substr(0, equals))) == "charset")
            return plainName(parameter.substr(equals + 1));
        at = next;
    }
    return {};
}

std::string encodingOfXmlDeclaration(std::string_view body) {
    const std::size_t start = body.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || body.substr(start, 5) != "<?xml")
        return {};
    const std::size_t end = body.find("?>", start);
    if (end == std::string_view::npos || end - start > 512)
        return {};
    const std::string_view declaration = body.substr(start, end - start);
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at = declaration.find_first_not_of(" \t\r\n", at + 8);
    if (at == std::string_view::npos || declaration[at] != '=')
        return {};
    at = declaration.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const std::size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string_view::npos)
        return {};
    return plainName(declaration.substr(at + 1, close - at - 1));
}

// Names that mean a superset in practice, as browsers read them: Japanese feeds labelled
// Shift_JIS or EUC-JP use the vendor characters (circled numbers and the like), and
// ISO-8859-1 pages are written in windows-1252.
std::vector<std::string> iconvCandidates(const std::string& name) {
    const std::string key = lowered(name);
    for (const char* alias : {"shift_jis", "shift-jis", "sjis", "x-sjis", "ms_kanji", "csshiftjis",
                              "windows-31j", "cp932", "x-ms-cp932"})
        if (key == alias)
            return {"CP932"};
    if (key == "euc-jp" || key == "x-euc-jp" || key == "cseucpkdfmtjapanese")
        return {"EUC-JP-MS", "EUC-JP"};
    if (key == "iso-8859-1" || key == "latin1" || key == "us-ascii" || key == "ascii")
        return {"WINDOWS-1252"};
    return {name};
}

using Converter = std::unique_ptr<void, int (*)(iconv_t)>;

Converter openFrom(const std::string& name) {
    for (const std::string& candidate : iconvCandidates(name)) {
        iconv_t cd = iconv_open("UTF-16LE", candidate.c_str());
        if (cd != reinterpret_cast<iconv_t>(-1))
            return Converter(cd, &iconv_close);
    }
    return Converter(nullptr, &iconv_close);
}

// Appends UTF-16 units; a surrogate half outside a pair becomes "?".
class Utf16Sink {
public:
    explicit Utf16Sink(std::u16string& text) : text_(text) {}

    // False once a NUL character ends the text.
    bool append(const char16_t* units, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const char16_t unit = units[i];
            if (unit == 0)
                return false;
            if (afterHigh_ && !QChar::isLowSurrogate(unit))
                text_.back() = u'?';
            if (QChar::isLowSurrogate(unit) && !afterHigh_)
                text_ += u'?';
            else
                text_ += unit;
            afterHigh_ = QChar::isHighSurrogate(unit);
        }
        return true;
    }

private:
    std::u16string& text_;
    bool afterHigh_ = false;
};

} // namespace

bool FeedEncoding::isUtf8() const {
    const std::string key = lowered(name);
    return key == "utf-8" || key == "utf8" || key == "unicode-1-1-utf-8";
}

bool FeedEncoding::isCp932() const {
    return iconvCandidates(name) == std::vector<std::string>{"CP932"};
}

FeedEncoding FeedEncoding::of(std::string_view body, std::string_view contentType) {
    if (body.substr(0, 3) == "\xEF\xBB\xBF")
        return {"UTF-8", 0};
    if (body.substr(0, 2) == "\xFF\xFE")
        return {"UTF-16LE", 2};
    if (body.substr(0, 2) == "\xFE\xFF")
        return {"UTF-16BE", 2};
    for (const std::string& declared :
         {charsetOfContentType(contentType), encodingOfXmlDeclaration(body)})
        if (!declared.empty())
            return {declared, 0};
    return {};
}

std::optional<std::u16string> decodeWithIconv(std::string_view bytes, const std::string& name) {
    const Converter converter = openFrom(name);
    if (!converter)
        return std::nullopt;
    iconv_t cd = converter.get();

    std::u16string text;
    text.reserve(bytes.size());
    Utf16Sink sink(text);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::array<char16_t, 8192> buffer;
    bool flushed = false;
    while (true) {
        char* out = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = sizeof buffer;
        // A last call without input writes what a stateful encoding still holds.
        const std::size_t result = inLeft > 0 ? iconv(cd, &in, &inLeft, &out, &outLeft)
                                              : iconv(cd, nullptr, nullptr, &out, &outLeft);
        const int error = errno;
        if (!sink.append(buffer.data(), (sizeof buffer - outLeft) / sizeof(char16_t)))
            break;
        if (result != static_cast<std::size_t>(-1)) {
            if (inLeft > 0)
                continue;
            if (flushed)
                break;
            flushed = true;
            continue;
        }
        if (error == E2BIG)
            continue;
        // A byte that cannot be decoded, or a sequence cut short by the end.
        const char16_t replacement = u'?';
        if (!sink.append(&replacement, 1) || error != EILSEQ)
            break;
        ++in;
        --inLeft;
    }
    return text;
}
