#pragma once

#include "app/settings/ColourText.h"
#include "app/settings/SettingKey.h"
#include "framework/files/IniFile.h"
#include "framework/files/Outcome.h"

#include <string>
#include <string_view>

// Typed writes to one settings file: the writes are collected in key order and save()
// writes the file once, exactly as writing key by key would leave it.
class SettingsWriter {
public:
    explicit SettingsWriter(const std::string& path);

    void integer(const SettingKey& key, int value);
    // Text and flag keys, written as is; an empty text leaves "key=".
    void text(const SettingKey& key, std::string_view value);
    void colour(const SettingKey& key, Colour value);

    // On failure the message "<full path> に書き込めません"; the file is then unchanged.
    Outcome save() const;

private:
    IniFile file_;
};
