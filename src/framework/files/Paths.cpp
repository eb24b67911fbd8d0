#include "framework/files/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Failure is left to the first save, which then reports the file it cannot write.
void createDirectory(const std::string& directory) {
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
}

} // namespace

std::string Paths::executableDirectory() {
    std::string exe(4096, '\0');
    const ssize_t size = ::readlink("/proc/self/exe", exe.data(), exe.size());
    if (size > 0 && static_cast<std::size_t>(size) < exe.size()) {
        exe.resize(static_cast<std::size_t>(size));
        return withSlash(exe.substr(0, exe.rfind('/')));
    }
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath().toStdString());
    return withSlash(QDir::currentPath().toStdString());
}

std::string Paths::settingsDirectory() {
    return settingsDirectory(currentEnvironment());
}

std::string Paths::settingsDirectory(const Environment& environment) {
    if (!environment.glowtapeHome.empty()) {
        createDirectory(environment.glowtapeHome);
        return withSlash(environment.glowtapeHome);
    }
    if (!environment.executableDirectory.empty() && !environment.installedCopy &&
        ::access(environment.executableDirectory.c_str(), W_OK | X_OK) == 0)
        return withSlash(environment.executableDirectory);

    // Only an absolute $XDG_CONFIG_HOME counts; a relative one is to be ignored.
    std::string config = environment.xdgConfigHome;
    if (config.empty() || config.front() != '/')
        config = (environment.home.empty() ? QDir::homePath().toStdString() : environment.home) +
                 "/.config";
    const std::string directory = withSlash(config) + "glowtape";
    createDirectory(directory);
    return withSlash(directory);
}

Paths::Environment Paths::currentEnvironment() {
    const std::string executable = executableDirectory();
    return {environmentVariable("GLOWTAPE_HOME"), executable,
            environmentVariable("XDG_CONFIG_HOME"), environmentVariable("HOME"),
            isInstalledLayout(executable)};
}

bool Paths::isInstalledLayout(const std::string& executableDirectory) {
    std::error_code ignored;
    return std::filesystem::exists(
        withSlash(executableDirectory) + "../share/applications/glowtape.desktop", ignored);
}

std::string Paths::withSlash(std::string directory) {
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}
