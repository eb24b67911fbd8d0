#pragma once

#include <string>
#include <string_view>

// Replaces every character of the text that has a full-width form by it: ASCII
// 0x21-0x7E, the space (to the ideographic space) and half-width katakana, a following
// voiced or semi-voiced mark joined into one character. CR, LF and full-width text stay.
std::string toFullWidth(std::string_view text);
