#pragma once

#include <array>
#include <cstdint>
#include <string>

// Converts UTF-16 characters to code page 932 through a table of every BMP character,
// built once from cp932::fromUtf16, so it gives exactly the same bytes ("?" for a
// character without a form, and for a surrogate half) at the speed that whole feeds need.
class Cp932Encoder {
public:
    static const Cp932Encoder& instance();

    void append(char16_t code, std::string& out) const {
        const std::uint16_t form = forms_[code];
        out += static_cast<char>(form & 0xFF);
        if (form > 0xFF)
            out += static_cast<char>(form >> 8);
    }

private:
    Cp932Encoder();

    // Low byte first; a form below 0x100 is one byte.
    std::array<std::uint16_t, 0x10000> forms_{};
};
