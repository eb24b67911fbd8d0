#pragma once

#include <string_view>

// Fixed texts of loading and composition.
namespace headline {

inline constexpr std::string_view openBracket = "【";
inline constexpr std::string_view closeBracket = "】";
inline constexpr std::string_view fullColon = "：";
inline constexpr std::string_view programName = "Glowtape";

} // namespace headline
