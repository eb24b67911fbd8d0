#include "framework/text/Cp932.h"

#include "framework/text/Cp932Decoder.h"
#include "framework/text/Cp932Encoder.h"

namespace cp932 {
bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string fromUtf16(std::u16string_view text) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    std::string result;
    result.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1])) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        encoder.append(code, result);
    }
    return result;
}

void appendCharacter(char32_t character, std::string& cp932Bytes) {
    Cp932Encoder::instance().append(character, cp932Bytes);
}

QString toQString(std::string_view cp932Bytes) {
    QString result;
    result.reserve(static_cast<qsizetype>(cp932Bytes.size()));
    Cp932Decoder::instance().decodeText(cp932Bytes, [&result](char32_t code) {
        if (QChar::requiresSurrogates(code)) {
            result += QChar(QChar::highSurrogate(code));
            result += QChar(QChar::lowSurrogate(code));
        } else {
            result += QChar(static_cast<char16_t>(code));
        }
    });
    return result;
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
