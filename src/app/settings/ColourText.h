#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A colour value: 0x00BBGGRR for a plain colour (red in the low byte), 0x80000000 plus an
// index for a system colour, or one of the two special values below.
using Colour = std::uint32_t;

namespace colourtext {

inline constexpr Colour kNone = 0x1FFFFFFF;
inline constexpr Colour kDefault = 0x20000000;
inline constexpr Colour kSystemColourBase = 0x80000000;

// The colour's name ("clLime", "clBtnFace", "clNone") when it has one, else "$" and eight
// upper-case hexadecimal digits.
std::string toText(Colour colour);

// A colour name, letter case ignored, or a number (decimal, "$" or "0x" hexadecimal).
std::optional<Colour> fromText(std::string_view text);

} // namespace colourtext
