// Favorites ".url" files: reading the address from any bytes. The address is one slice of
// one "URL=" line after an [InternetShortcut] header, and neither the line ends nor a later
// copy of the section change it.

#include "FuzzSupport.h"

#include "framework/files/FileBytes.h"
#include "framework/files/IniFile.h"
#include "framework/files/InternetShortcut.h"
#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"
#include "framework/text/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using fuzzsupport::check;

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool containsIgnoringCase(std::string_view text, std::string_view word) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// True when the address is found in the value of a "URL=" line that follows a line naming
// the InternetShortcut section.
bool comesFromAUrlLine(std::string_view bytes, std::string_view url) {
    bool afterHeader = false;
    bool found = false;
    textlines::forEachLine(bytes, [&](std::string_view line) {
        const std::string_view content = trimmed(line);
        if (content.starts_with('[')) {
            afterHeader = afterHeader || containsIgnoringCase(content, "InternetShortcut");
            return;
        }
        const auto equals = line.find('=');
        if (afterHeader && equals != std::string_view::npos &&
            cp932::equalsIgnoringCase(trimmed(line.substr(0, equals)), "URL") &&
            line.substr(equals + 1).find(url) != std::string_view::npos)
            found = true;
    });
    return found;
}

// The same lines, each ended by CR LF.
std::string withCrLf(std::string_view bytes) {
    std::string text;
    textlines::forEachLine(bytes, [&](std::string_view line) {
        text.append(line);
        text.append("\r\n");
    });
    return text;
}

std::string urlOfFile(std::string_view bytes) {
    const std::string& path = fuzzsupport::scratchPath("shortcut.url");
    check(FileBytes::replace(path, bytes), "the scratch file is written");
    return internetshortcut::urlOf(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string url = urlOfFile(bytes);

    const std::string urlBytes = cp932::toFileForm(url);
    check(urlBytes.size() <= size && cp932::cutLength(url, IniFile::kMaxValueBytes) == url.size(),
          "the address fits the file and the value limit");
    check(url.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
          "the address has no line break and no NUL");
    // Rewritten copies stay below the size past which a file reads as no settings file.
    if (url.empty() || size > IniFile::kMaxFileBytes / 4)
        return 0;
    // Bytes that decode to no character, or to one whose own bytes differ, read as that
    // character's own form.
    if (cp932::fromUtf8(cp932::toUtf8(bytes)) == bytes)
        check(comesFromAUrlLine(bytes, urlBytes),
              "the address is the value of a URL line of its section");

    check(urlOfFile(withCrLf(bytes)) == url, "the line ends do not change the address");
    std::string withLaterCopy(bytes);
    withLaterCopy.append("\r\n[InternetShortcut]\r\nURL=http://127.0.0.1/later\r\n");
    check(urlOfFile(withLaterCopy) == url, "the first section's first URL line wins");
    return 0;
}
