#pragma once

#include <string>

// An Internet shortcut (".url") file, an INI file whose [InternetShortcut] URL names the
// address.
namespace internetshortcut {

// True for a file name ending in ".url" in any letter case.
bool isShortcutFile(const std::string& fileName);

// The URL value; empty when the file, the section or the key is missing.
std::string urlOf(const std::string& path);

} // namespace internetshortcut
