#include "framework/text/Cp932FileForm.h"

#include "framework/text/Cp932.h"
#include "framework/text/Cp932Encoder.h"
#include "framework/text/Cp932ExtraCodes.h"

#include <optional>

namespace {

constexpr char32_t kAmpersand = U'&';
constexpr char32_t kFirstPrivateUse = Cp932ExtraCodes::kFirstAreaCharacter;
constexpr char32_t kLastPrivateUse = kFirstPrivateUse + Cp932ExtraCodes::kCapacity - 1;

struct Reference {
    char32_t character;
    std::size_t length; // from "#" through ";"
};

// "#<decimal>;" at `at`, in the one form a save writes.
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
    const bool privateUse = c >= kFirstPrivateUse && c <= kLastPrivateUse;
    const bool extra = c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF) && !privateUse &&
                       !Cp932Encoder::instance().hasForm(c) && Cp932ExtraCodes::shared().canGive(c);
    return extra ? tail : std::nullopt;
}

// Byte length of the character at `at`: two for a lead byte with a byte after it.
std::size_t characterLength(std::string_view text, std::size_t at) {
    return cp932::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

} // namespace

namespace cp932 {

std::string toFileForm(std::string_view text) {
    const Cp932ExtraCodes& extras = Cp932ExtraCodes::shared();
    std::string file;
    file.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const char32_t extra =
            length == 2 ? extras.characterOf(lead, static_cast<unsigned char>(text[i + 1])) : 0;
        if (text[i] == '&' && readReference(text, i + 1)) {
            file += "&#38;";
        } else if (extra != 0 && (extra < kFirstPrivateUse || extra > kLastPrivateUse)) {
            file += "&#" + std::to_string(std::uint32_t(extra)) + ';';
        } else if (extra != 0) {
            const auto code = Cp932ExtraCodes::areaCode(extra - kFirstPrivateUse);
            file.append(code.data(), 2);
        } else {
            file.append(text.substr(i, length));
        }
        i += length;
    }
    return file;
}

std::string fromFileForm(std::string_view fileBytes) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::string text;
    text.reserve(fileBytes.size());
    for (std::size_t i = 0; i < fileBytes.size();) {
        const std::size_t length = characterLength(fileBytes, i);
        const std::optional<std::size_t> area =
            length == 2 ? Cp932ExtraCodes::areaIndex(static_cast<unsigned char>(fileBytes[i]),
                                                     static_cast<unsigned char>(fileBytes[i + 1]))
                        : std::nullopt;
        const std::optional<Reference> reference =
            fileBytes[i] == '&' ? readReference(fileBytes, i + 1) : std::nullopt;
        const std::size_t before = text.size();
        if (reference && reference->character == kAmpersand) {
            text += '&';
        } else if (reference) {
            encoder.append(reference->character, text);
        } else if (area) {
            encoder.append(kFirstPrivateUse + char32_t(*area), text);
            // Once every code is taken, a code given to no character can never be given to
            // another: the file's bytes stay and mean their private use character. A code
            // another character has becomes "?".
            const bool free = Cp932ExtraCodes::shared().characterOf(
                                  static_cast<unsigned char>(fileBytes[i]),
                                  static_cast<unsigned char>(fileBytes[i + 1])) == 0;
            if (text.size() == before + 1 && free) {
                text.resize(before);
                text.append(fileBytes.substr(i, 2));
            }
        } else {
            text.append(fileBytes.substr(i, length));
        }
        i += reference ? 1 + reference->length : length;
    }
    return text;
}

} // namespace cp932
