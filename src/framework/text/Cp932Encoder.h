#pragma once

#include <array>
#include <cstdint>
#include <string>

// Converts characters to code page 932 through a table of every BMP character built once
// from iconv, at the speed that whole files need. A character that code page 932 lacks, and a
// surrogate half, becomes "?".
class Cp932Encoder {
public:
    static const Cp932Encoder& instance();

    void append(char32_t code, std::string& out) const {
        const std::uint16_t form = code < forms_.size() ? forms_[code] : kNoForm;
        if (form == kNoForm) {
            out += '?';
            return;
        }
        out += static_cast<char>(form & 0xFF);
        if (form > 0xFF)
            out += static_cast<char>(form >> 8);
    }

    // True when the character has bytes of its own in code page 932 (the user-defined area's
    // private use characters among them).
    bool hasForm(char32_t code) const { return code < forms_.size() && forms_[code] != kNoForm; }

    // Bytes of the character's form; two for a character without one.
    std::size_t width(char32_t code) const {
        if (code < 0x80)
            return 1;
        return code < forms_.size() && forms_[code] <= 0xFF ? 1 : 2;
    }

private:
    static constexpr std::uint16_t kNoForm = 0xFFFF;

    Cp932Encoder();

    // Low byte first; a form below 0x100 is one byte.
    std::array<std::uint16_t, 0x10000> forms_{};
};
