#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Integers in the settings files: written in decimal, read in decimal or, after a "$" or
// "0x" prefix, in hexadecimal, with an optional sign. Hexadecimal covers the full 32 bits,
// so "$FFFFFFFF" reads as -1.
namespace integertext {

std::optional<std::int32_t> parse(std::string_view text);
std::string format(std::int32_t value);

} // namespace integertext
