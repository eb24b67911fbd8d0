#include "framework/text/Cp932FileForm.h"

#include "framework/text/Cp932Decoder.h"
#include "framework/text/Cp932Encoder.h"
#include "framework/text/Utf8.h"

#include <cstdint>
#include <optional>

namespace {

constexpr char32_t kAmpersand = U'&';

struct Reference {
    char32_t character;
    std::size_t length; // from "#" through ";"
};

// "#<decimal>;" at `at`, in the one form a save writes. The reference is ASCII, which reads
// alike in code page 932 and UTF-8, where neither "&" nor "#" is ever part of a character.
std::optional<Reference> referenceTail(std::string_view text, std::size_t at) {
    if (at >= text.size() || text[at] != '#')
        return std::nullopt;
    std::size_t end = at + 1;
    std::uint32_t value = 0;
    while (end < text.size() && end - at <= 8 && text[end] >= '0' && text[end] <= '9')
        value = value * 10 + std::uint32_t(text[end++] - '0');
    const std::size_t digits = end - at - 1;
    if (digits == 0 || digits > 7 || text[at + 1] == '0' || end >= text.size() || text[end] != ';')
        return std::nullopt;
    return Reference{char32_t(value), end + 1 - at};
}

// The reference that reading takes after a "&" at `at` - 1: a character without a form, or
// "&#38;" escaping a "&" that such a reference follows.
std::optional<Reference> readReference(std::string_view text, std::size_t at) {
    const std::optional<Reference> tail = referenceTail(text, at);
    if (!tail)
        return std::nullopt;
    if (tail->character == kAmpersand)
        return readReference(text, at + tail->length) ? tail : std::nullopt;
    const char32_t c = tail->character;
    const bool lacking =
        c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF) && !Cp932Encoder::instance().hasForm(c);
    return lacking ? tail : std::nullopt;
}

} // namespace

namespace cp932 {

std::string toFileForm(std::string_view text) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::string file;
    file.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '&' && readReference(text, at + 1)) {
            file += "&#38;";
            ++at;
            continue;
        }
        const char32_t c = utf8::next(text, at);
        if (encoder.hasForm(c))
            encoder.append(c, file);
        else
            file += "&#" + std::to_string(std::uint32_t(c)) + ';';
    }
    return file;
}

std::string fromFileForm(std::string_view fileBytes) {
    const Cp932Decoder& decoder = Cp932Decoder::instance();
    const auto put = [](std::string& text) {
        return [&text](char32_t c) { utf8::append(c, text); };
    };
    std::string text;
    text.reserve(fileBytes.size() + fileBytes.size() / 2);
    // "&" is below every second byte of a two-byte character, so each one found starts a
    // character and the stretches between decode on their own.
    std::size_t start = 0;
    for (std::size_t found = fileBytes.find('&'); found != std::string_view::npos;
         found = fileBytes.find('&', found + 1)) {
        const std::optional<Reference> reference = readReference(fileBytes, found + 1);
        if (!reference)
            continue;
        decoder.decode(fileBytes.substr(start, found - start), put(text));
        utf8::append(reference->character, text);
        start = found + 1 + reference->length;
        found = start - 1;
    }
    decoder.decode(fileBytes.substr(start), put(text));
    return text;
}

} // namespace cp932
