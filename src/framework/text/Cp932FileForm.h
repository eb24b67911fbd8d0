#pragma once

#include <string>
#include <string_view>

// Files keep code page 932 and lose nothing: a character of the program's UTF-8 text that
// code page 932 lacks is written as a numeric character reference ("&#233;") and read back as
// the character. A private use character of the user-defined area is written as its own code
// page 932 bytes, and such bytes read back as that character.
//
// Only the form a save writes is read as a reference, "&#", decimal digits without a leading
// zero, ";", naming a character without a code page 932 form, so that every other text of a
// file reads and writes byte for byte. A "&" of the program's text that would read as such a
// reference is written "&#38;", which reads back as "&" only there.
namespace cp932 {

std::string toFileForm(std::string_view text);
std::string fromFileForm(std::string_view fileBytes);

} // namespace cp932
