#pragma once

#include "framework/text/Cp932ExtraCodes.h"

#include <array>
#include <cstdint>
#include <string>

// Converts characters to the program's text form: code page 932 through a table of every BMP
// character built once from iconv, at the speed that whole feeds need; a character that code
// page 932 lacks, a private use character among them, gets its code from the table of extra
// codes, and becomes "?" only when that table is full. A surrogate half is "?".
class Cp932Encoder {
public:
    static const Cp932Encoder& instance();

    void append(char32_t code, std::string& out,
                Cp932ExtraCodes& extras = Cp932ExtraCodes::shared()) const {
        const std::uint16_t form = code < forms_.size() ? forms_[code] : kNoForm;
        if (form != kNoForm) {
            out += static_cast<char>(form & 0xFF);
            if (form > 0xFF)
                out += static_cast<char>(form >> 8);
            return;
        }
        appendExtra(code, out, extras);
    }

    // True when the character has bytes of its own in code page 932, outside the
    // user-defined area.
    bool hasForm(char32_t code) const { return code < forms_.size() && forms_[code] != kNoForm; }

private:
    static constexpr std::uint16_t kNoForm = 0xFFFF;

    Cp932Encoder();
    static void appendExtra(char32_t code, std::string& out, Cp932ExtraCodes& extras);

    // Low byte first; a form below 0x100 is one byte.
    std::array<std::uint16_t, 0x10000> forms_{};
};
