#pragma once

#include <string>

// Where the program finds itself and keeps its files. Directories are returned with a
// trailing "/", so that a file name can be appended directly.
class Paths {
public:
    // What the settings directory depends on; empty texts stand for unset variables.
    struct Environment {
        std::string glowtapeHome;        // $GLOWTAPE_HOME
        std::string executableDirectory; // the running program's directory
        std::string xdgConfigHome;       // $XDG_CONFIG_HOME
        std::string home;                // $HOME
    };

    // The directory that holds the running executable.
    static std::string executableDirectory();

    // The directory of glowtape3.ini, data.ini and news.csv: $GLOWTAPE_HOME when set;
    // else the executable's directory when it is writable (a portable copy); else
    // $XDG_CONFIG_HOME/glowtape (by default ~/.config/glowtape), created when missing.
    static std::string settingsDirectory();
    static std::string settingsDirectory(const Environment& environment);

    static Environment currentEnvironment();

private:
    static std::string withSlash(std::string directory);
};
