#pragma once

#include "app/settings/ColourText.h"
#include "app/settings/SettingKey.h"
#include "framework/files/IniFile.h"

#include <optional>
#include <string>
#include <string_view>

// A colour read from a settings file: the colour, or the error message
// "'<text>' は整数ではありません" when the text is neither a colour name nor a number.
struct ColourRead {
    std::optional<Colour> colour;
    std::string error;
};

// Typed reads of one settings file, loaded once. A missing file, section or key gives
// the key's default.
class SettingsReader {
public:
    explicit SettingsReader(const std::string& path);

    // Integer and font style keys; text that is not a number gives the default.
    int integer(const SettingKey& key) const;
    // Text and flag keys: the stored text as is, or the default.
    std::string text(const SettingKey& key) const;
    // True only if the stored text (or the default) is exactly flagText, letter case included.
    bool is(const SettingKey& key, std::string_view flagText) const;
    ColourRead colour(const SettingKey& key) const;
    // The colour, or the key's default when the stored text cannot be read.
    Colour colourOrDefault(const SettingKey& key) const;

private:
    IniFile file_;
};
