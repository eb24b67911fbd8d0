#pragma once

#include "app/settings/ColourText.h"
#include "framework/files/Outcome.h"

#include <string>

struct SettingKey;

// The plug-in's settings file PlugIn.ini in the plug-in's folder, and the installation flag
// in data.ini. Paths are UTF-8; the folder has no trailing separator.
class PluginSettings {
public:
    struct Choices {
        Colour title = 0;
        Colour article = 0;
        Colour back = 0;
        int speed = 0;
        bool operator==(const Choices&) const = default;
    };
    // What the page shows before any installation: lime swatches, speed 20.
    static constexpr Colour kDesignColour = 0x0000FF00;
    static constexpr int kDesignSpeed = 20;

    PluginSettings(std::string folder, std::string settingsDirectory);

    // $ProgramFiles, else $XDG_DATA_HOME (by default ~/.local/share), followed by /glowtape.
    static std::string defaultFolder();

    const std::string& folder() const { return folder_; }
    std::string iniPath() const;

    // The stored choices once the plug-in was installed (data.ini option/Bar is "true"),
    // with their defaults where missing or unreadable; else the design values.
    Choices load() const;

    // Creates the folder, records the feed list's and the program's paths in PlugIn.ini and
    // sets the installation flag.
    Outcome install(const std::string& programPath) const;
    // Writes one colour (OP1, OP2 or OP3); fails when the folder does not exist.
    Outcome writeColour(const SettingKey& key, Colour colour) const;
    // Creates the folder and writes the speed.
    Outcome writeSpeed(int speed) const;

private:
    void createFolder() const;

    std::string folder_;
    std::string settingsDirectory_;
};
