#include "framework/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace cp932 {
namespace {

// Runs iconv over the whole input; on a character the target cannot hold, or input that
// cannot be decoded, writes "?" and skips one input unit of unitSize bytes (two for a
// UTF-16 surrogate pair).
template <typename Unit, typename Out>
void convert(const char* fromCode, const char* toCode, std::basic_string_view<Unit> input,
             Out& output, std::string_view replacement) {
    iconv_t cd = iconv_open(toCode, fromCode);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert between code page 932 and Unicode");

    char* in = const_cast<char*>(reinterpret_cast<const char*>(input.data()));
    std::size_t inLeft = input.size() * sizeof(Unit);
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(reinterpret_cast<const typename Out::value_type*>(buffer),
                      (out - buffer) / sizeof(typename Out::value_type));
        if (result != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or a truncated sequence at the end (EINVAL): replace one unit.
        output.append(reinterpret_cast<const typename Out::value_type*>(replacement.data()),
                      replacement.size() / sizeof(typename Out::value_type));
        std::size_t skip = sizeof(Unit);
        if constexpr (sizeof(Unit) == 2) {
            const auto unit = *reinterpret_cast<const char16_t*>(in);
            if (unit >= 0xD800 && unit <= 0xDBFF && inLeft >= 4)
                skip = 4;
        }
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
}

} // namespace

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string fromUtf16(std::u16string_view text) {
    std::string result;
    result.reserve(text.size() * 2);
    convert<char16_t>("UTF-16LE", "CP932", text, result, "?");
    return result;
}

QString toQString(std::string_view cp932Bytes) {
    std::u16string units;
    units.reserve(cp932Bytes.size());
    static constexpr char16_t question[] = u"?";
    convert<char>("CP932", "UTF-16LE", cp932Bytes, units,
                  std::string_view(reinterpret_cast<const char*>(question), 2));
    return QString::fromStdU16String(units);
}

std::string fromQString(const QString& text) {
    return fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

std::string toUtf8(std::string_view cp932Bytes) {
    return toQString(cp932Bytes).toStdString();
}

std::string fromUtf8(std::string_view utf8Bytes) {
    return fromQString(
        QString::fromUtf8(utf8Bytes.data(), static_cast<qsizetype>(utf8Bytes.size())));
}

std::size_t cutLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t position = 0;
    while (position < maxBytes) {
        const std::size_t width = isLeadByte(static_cast<unsigned char>(text[position])) ? 2 : 1;
        if (position + width > maxBytes)
            break;
        position += width;
    }
    return position;
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
