#pragma once

#include <string_view>

// Fixed code page 932 texts of loading and composition.
namespace headline {

inline constexpr std::string_view loadFailed =
    "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x8E\xB8\x94\x73"; // 読み込み失敗
inline constexpr std::string_view failureLine =
    "****\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x8E\xB8\x94\x73****"; // ****読み込み失敗****
inline constexpr std::string_view openBracket = "\x81\x79";     // 【
inline constexpr std::string_view closeBracket = "\x81\x7A";    // 】
inline constexpr std::string_view fullColon = "\x81\x46";       // ：
inline constexpr std::string_view programName = "Glowtape";

} // namespace headline
