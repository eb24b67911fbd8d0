#pragma once

#include <string_view>

// The value forms of the settings files.
enum class SettingForm {
    Integer,   // decimal; "$" or "0x" reads hexadecimal; not a number reads as the default
    Flag,      // exact texts such as "true", compared with letter case
    Colour,    // a colour name or a number
    Text,      // as is
    WholeText, // as is, read back whole: lists of any length that a cut would change
    FontStyle, // integer bit set: 1 bold, 2 italic, 4 underline, 8 strike-through
};

// One key of a settings file, with its default in the key's text form.
struct SettingKey {
    std::string_view section;
    std::string_view name;
    SettingForm form;
    std::string_view defaultText;
};
