#pragma once

#include <string_view>

// Fixed code page 932 texts of loading and composition.
namespace headline {

inline constexpr std::string_view openBracket = "\x81\x79";  // 【
inline constexpr std::string_view closeBracket = "\x81\x7A"; // 】
inline constexpr std::string_view fullColon = "\x81\x46";    // ：
inline constexpr std::string_view programName = "Glowtape";

} // namespace headline
