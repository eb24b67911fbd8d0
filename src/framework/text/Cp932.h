#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text inside the program is code page 932 (Shift-JIS) bytes; these helpers convert at the
// edges. A character that code page 932 lacks has a code of the user-defined area for the run
// of the program (Cp932ExtraCodes) and converts back to itself; it becomes "?" only when all
// those codes are taken. An undecodable byte becomes "?".
namespace cp932 {

bool isLeadByte(unsigned char byte);

QString toQString(std::string_view cp932Bytes);
std::string fromQString(const QString& text);
std::string fromUtf16(std::u16string_view text);
void appendCharacter(char32_t character, std::string& cp932Bytes);

std::string toUtf8(std::string_view cp932Bytes);
std::string fromUtf8(std::string_view utf8Bytes);

// Length of the longest prefix of at most maxBytes bytes that does not end inside a
// two-byte character.
std::size_t cutLength(std::string_view text, std::size_t maxBytes);
std::string cut(std::string_view text, std::size_t maxBytes);

// Equality with ASCII letters compared without regard to case. The second byte of a
// two-byte character is compared exactly, although it may lie in the ASCII letter range.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace cp932
