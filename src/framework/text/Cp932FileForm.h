#pragma once

#include <string>
#include <string_view>

// Files keep code page 932 and lose nothing: a character that code page 932 lacks is written
// as a numeric character reference ("&#233;") and read back as the character, with its extra
// code for the run. A private use character of the user-defined area is written as its own
// code page 932 bytes, and such bytes read back as that character.
//
// Only the form a save writes is read as a reference, "&#", decimal digits without a leading
// zero, ";", naming a character without a code page 932 form, so that every other text of a
// file reads and writes byte for byte. A "&" of the program's text that would read as such a
// reference is written "&#38;", which reads back as "&" only there. Once every extra code is
// taken, a reference to a character without one stays text, and bytes of the area whose code
// another character has read as "?".
namespace cp932 {

std::string toFileForm(std::string_view text);
std::string fromFileForm(std::string_view fileBytes);

} // namespace cp932
