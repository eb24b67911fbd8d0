#include "app/LanguageChoice.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace language {

namespace {

bool isShipped(const std::string& code, const std::vector<std::string>& shipped) {
    return std::find(shipped.begin(), shipped.end(), code) != shipped.end();
}

// The translation one locale asks for, or nothing when its language is neither the source
// language nor shipped.
bool choose(std::string_view locale, const std::vector<std::string>& shipped,
            std::string& translation) {
    const std::string code = ofLocale(locale);
    if (code.empty() || code == kJapanese) {
        translation.clear();
        return true;
    }
    if (isShipped(code, shipped)) {
        translation = code;
        return true;
    }
    return false;
}

} // namespace

std::string ofLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language == "C" || language == "POSIX")
        return {};
    std::string code(language);
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return code;
}

Environment processEnvironment() {
    return [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
}

std::string resolve(std::string_view setting, const Environment& environment,
                    const std::vector<std::string>& shipped) {
    if (setting == kJapanese)
        return {};
    if (setting != kAuto && isShipped(std::string(setting), shipped))
        return std::string(setting);

    std::string translation;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string value = environment(name);
        if (value.empty())
            continue;
        std::string_view list = value;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::string_view entry = list.substr(0, colon);
            if (!entry.empty() && choose(entry, shipped, translation))
                return translation;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
        // A language of the desktop that the program does not speak.
        return std::string(kEnglish);
    }
    return {};
}

} // namespace language
