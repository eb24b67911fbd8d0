// The INI profile files (glowtape3.ini, data.ini): reading any bytes, writing values into
// them, saving, and reading the saved file again.

#include "FuzzSupport.h"

#include "framework/files/FileBytes.h"
#include "framework/files/IniFile.h"
#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"
#include "framework/text/TextLines.h"
#include "framework/text/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using fuzzsupport::check;

namespace {

struct Name {
    std::string section;
    std::string key;
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section and key names the file shows, in file order, as the program's text.
std::vector<Name> namesIn(std::string_view text) {
    std::vector<Name> names;
    std::optional<std::string> section;
    textlines::forEachLine(text, [&](std::string_view line) {
        const std::string_view content = trimmed(line);
        if (!content.empty() && content.front() == '[') {
            std::string_view name = content.substr(1);
            name = name.substr(0, name.rfind(']'));
            section = cp932::fromFileForm(trimmed(name));
            return;
        }
        const auto equals = line.find('=');
        if (section && equals != std::string_view::npos)
            names.push_back({*section, cp932::fromFileForm(trimmed(line.substr(0, equals)))});
    });
    return names;
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string flippedCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// A value as a caller may write it: the program's UTF-8 text, one line, no NUL, within the
// value limit.
std::string writableValue(std::string_view bytes) {
    std::string value = textlines::oneLine(bytes.substr(0, IniFile::kMaxValueBytes / 2));
    value = value.substr(0, value.find('\0'));
    return utf8::fromQString(utf8::toQString(value));
}

IniFile load(const std::string& path, std::string_view bytes) {
    check(FileBytes::replace(path, bytes), "the scratch file is written");
    return IniFile(path);
}

void checkSameValues(const IniFile& expected, const IniFile& actual,
                     const std::vector<Name>& names) {
    for (const Name& name : names)
        check(expected.value(name.section, name.key) == actual.value(name.section, name.key),
              "a saved file reads back with the same values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = fuzzsupport::scratchPath("profile.ini");

    IniFile profile = load(path, bytes);
    std::vector<Name> names = namesIn(bytes);
    for (const Name& name : names) {
        const std::optional<std::string> value = profile.value(name.section, name.key);
        if (value)
            check(cp932::cutLength(*value, IniFile::kMaxValueBytes) == value->size(),
                  "a value fits the value limit");
    }
    checkSameValues(profile, load(path, profile.text()), names);

    // Writes each value of the file into the key after it, so that replacing keys, adding
    // keys to sections and adding sections all happen; names of non-ASCII keys are kept
    // as they are, the others are written in the other letter case.
    const std::size_t writes = std::min<std::size_t>(names.size(), 16);
    std::vector<std::pair<Name, std::string>> written;
    for (std::size_t i = 0; i < writes; ++i) {
        Name target = names[(i + 1) % names.size()];
        if (isAscii(target.key) && isAscii(target.section)) {
            target.key = flippedCase(target.key);
            target.section = flippedCase(target.section);
        }
        if (target.key.empty() || target.key.front() == '[')
            continue;
        std::string value =
            writableValue(profile.read(names[i].section, names[i].key, names[i].key));
        profile.write(target.section, target.key, value);
        written.emplace_back(std::move(target), std::move(value));
    }
    profile.write("added section", "added key", writableValue(bytes));
    written.push_back({{"added section", "added key"}, writableValue(bytes)});

    for (const auto& [name, value] : written) {
        names.push_back(name);
        // A later write to the same key wins.
        std::string expected = value;
        for (const auto& [other, later] : written)
            if (&later > &value && cp932::equalsIgnoringCase(other.section, name.section) &&
                cp932::equalsIgnoringCase(other.key, name.key))
                expected = later;
        check(profile.value(name.section, name.key) == expected, "a written value reads back");
    }

    const std::string saved = profile.text();
    check(profile.save().ok(), "the profile is saved");
    check(FileBytes::read(path) == saved, "the file holds what was saved");
    const IniFile reread(path);
    check(reread.text() == saved, "reading and saving again changes nothing");
    checkSameValues(profile, reread, names);
    return 0;
}
