#pragma once

#include "framework/files/Outcome.h"

#include <string>

// The program's own desktop entry, as the desktop's start-up and menu folders take it.
// Paths are UTF-8.
namespace desktopentry {

inline constexpr const char* kFileName = "Glowtape.desktop";

// The entry's text: Type, Name, Exec with the program quoted so that blanks and the
// characters the Exec rules reserve survive, Path, Icon and Terminal=false.
std::string text(const std::string& programPath, const std::string& workingDirectory);

// Writes the entry into the folder (created when missing), replacing an older one in one
// step. On failure the message "<full path> に書き込めません".
Outcome write(const std::string& folder, const std::string& programPath,
              const std::string& workingDirectory);

// $XDG_CONFIG_HOME/autostart and $XDG_DATA_HOME/applications, with their defaults under
// $HOME; no trailing separator.
std::string autostartFolder();
std::string applicationsFolder();

} // namespace desktopentry
