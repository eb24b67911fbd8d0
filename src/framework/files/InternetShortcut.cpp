#include "framework/files/InternetShortcut.h"

#include "framework/files/IniFile.h"
#include "framework/text/Cp932.h"

namespace internetshortcut {

bool isShortcutFile(const std::string& fileName) {
    static constexpr std::string_view kSuffix = ".url";
    return fileName.size() >= kSuffix.size() &&
           cp932::equalsIgnoringCase(
               std::string_view(fileName).substr(fileName.size() - kSuffix.size()), kSuffix);
}

std::string urlOf(const std::string& path) {
    return IniFile(path).read("InternetShortcut", "URL", "");
}

} // namespace internetshortcut
