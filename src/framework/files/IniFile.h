#pragma once

#include "framework/files/Outcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI profile file: "[section]" lines, each followed by its "key=value" lines, in code
// page 932 with CR LF line ends, read and written as the program's UTF-8 text. Section and key
// names match without regard to letter case; a value is the text after the first "=", without
// surrounding blanks and without one pair of enclosing quotes, at most 2047 bytes of its code page
// 932 form (a character that code page 932 lacks is a numeric character reference in the file,
// Cp932FileForm). The file is loaded once; writes are collected in memory exactly as key-by-key
// writing would change the file, and save() writes the result in one atomic replacement.
class IniFile {
public:
    static constexpr std::size_t kMaxValueBytes = 2047;
    // A larger file is no settings file; it reads as empty and a save replaces it.
    static constexpr std::size_t kMaxFileBytes = 8u << 20;

    // Loads the file; a missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // The value of the key, or nothing when the section or the key is missing. Values are
    // cut at maxBytes; a key of the program's own that must come back whole passes a
    // larger limit (the file's size bounds it anyway).
    std::optional<std::string> value(std::string_view section, std::string_view key,
                                     std::size_t maxBytes = kMaxValueBytes) const;
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback) const;

    // Replaces the key's value in place, else appends the key at the end of its section,
    // else appends the section at the end of the file. Line breaks in the value become
    // blanks, so one value never turns into several lines; a value that reading would trim
    // or unquote is written in quotes, so that it reads back unchanged.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // Writes the file (creating it when missing). On failure the message
    // "<full path> に書き込めません" and the file on disk is unchanged.
    Outcome save() const;

    // The file's bytes as save() would write them.
    std::string text() const;

private:
    // A line is a slice of text_; lines written in memory are appended to text_.
    struct Line {
        std::uint32_t begin;
        std::uint32_t size;
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::string_view lineText(std::size_t index) const;
    Line storeLine(std::string_view line);
    std::size_t findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;

    std::string path_;
    std::string text_;
    std::vector<Line> lines_;
};
