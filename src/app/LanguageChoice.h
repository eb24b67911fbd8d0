#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Which language the program speaks, from `option` / `Language` and the desktop's locale.
// The interface's source texts are Japanese; every other language is a shipped translation.
namespace language {

inline constexpr std::string_view kAuto = "auto";
inline constexpr std::string_view kJapanese = "ja";
inline constexpr std::string_view kEnglish = "en";

// The language of a locale name: "de" for "de_DE.UTF-8", "ja" for "ja_JP.eucJP@x"; empty
// for "C", "POSIX" and "C.UTF-8", which ask for the program's own texts.
std::string ofLocale(std::string_view locale);

// Reads an environment variable; empty when it is not set.
using Environment = std::function<std::string(const char* name)>;
Environment processEnvironment();

// The translation to load: empty for the source texts, else the code of a shipped
// translation. `setting` is "ja", a shipped code, or anything else for following the desktop:
// the first of LANGUAGE (a list, the first usable entry counts), LC_ALL, LC_MESSAGES and LANG
// that is set; Japanese, C and POSIX give the source texts, a language with a shipped
// translation that translation, any other language English.
std::string resolve(std::string_view setting, const Environment& environment,
                    const std::vector<std::string>& shipped);

} // namespace language
