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
        bool installedCopy = false;      // the executable sits in an installed layout
    };

    // The directory that holds the running executable.
    static std::string executableDirectory();

    // The directory of glowtape3.ini, data.ini and news.csv: $GLOWTAPE_HOME when set;
    // else the executable's directory when it is writable and not installed (a portable
    // copy); else $XDG_CONFIG_HOME/glowtape (by default ~/.config/glowtape), created when
    // missing.
    static std::string settingsDirectory();
    static std::string settingsDirectory(const Environment& environment);

    static Environment currentEnvironment();

    // An installed copy has its desktop entry at <prefix>/share/applications beside
    // <prefix>/bin; a writable bin directory (root, or a prefix in the home directory)
    // must not make it keep its settings among the programs.
    static bool isInstalledLayout(const std::string& executableDirectory);

private:
    static std::string withSlash(std::string directory);
};
