#include "framework/files/DesktopEntry.h"

#include "framework/files/FileBytes.h"

#include <QByteArray>
#include <QDir>
#include <filesystem>
#include <system_error>

namespace desktopentry {
namespace {

// The escapes of a string value: backslash and the control characters.
std::string escapeValue(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// One argument of an Exec line: quoted, with the reserved characters escaped inside the
// quotes and "%" doubled, since a single one would start a field code.
std::string quotedArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    return quoted + "\"";
}

std::string environmentFolder(const char* variable, const char* underHome) {
    const QByteArray value = qgetenv(variable);
    if (!value.isEmpty())
        return value.toStdString();
    return QDir::homePath().toStdString() + "/" + underHome;
}

} // namespace

std::string text(const std::string& programPath, const std::string& workingDirectory) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Glowtape\n"
           "Exec=" +
           escapeValue(quotedArgument(programPath)) +
           "\n"
           "Path=" +
           escapeValue(workingDirectory) +
           "\n"
           "Icon=glowtape\n"
           "Terminal=false\n";
}

Outcome write(const std::string& folder, const std::string& programPath,
              const std::string& workingDirectory) {
    const std::string path = folder + "/" + kFileName;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (!FileBytes::replace(path, text(programPath, workingDirectory)))
        return Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "%1 に書き込めません"), path);
    return Outcome::success();
}

std::string autostartFolder() {
    return environmentFolder("XDG_CONFIG_HOME", ".config") + "/autostart";
}

std::string applicationsFolder() {
    return environmentFolder("XDG_DATA_HOME", ".local/share") + "/applications";
}

} // namespace desktopentry
