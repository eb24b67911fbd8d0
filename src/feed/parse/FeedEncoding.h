#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The character encoding a feed body is read in: the first of a byte-order mark, the
// charset of the HTTP Content-Type, the encoding of the XML declaration, else UTF-8.
struct FeedEncoding {
    std::string name = "UTF-8";
    // Bytes of a UTF-16 byte-order mark to skip. A UTF-8 mark stays in the text, as the
    // UTF-8 decoder has always read it.
    std::size_t markLength = 0;

    bool isUtf8() const;
    // Shift_JIS under any of its names, read as code page 932.
    bool isCp932() const;

    static FeedEncoding of(std::string_view body, std::string_view contentType);
};

// Decodes bytes of an encoding other than UTF-8 to UTF-16, up to the first NUL character.
// An undecodable byte becomes "?", a character beyond the BMP a surrogate pair. Nothing when
// iconv does not know the encoding.
std::optional<std::u16string> decodeWithIconv(std::string_view bytes, const std::string& name);
