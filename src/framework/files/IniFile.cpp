#include "framework/files/IniFile.h"

#include "framework/files/FileBytes.h"
#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"
#include "framework/text/TextLines.h"

#include <QtGlobal>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name of a "[name]" line, or nothing when the line is no section line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.rfind(']');
    if (close != std::string_view::npos)
        line = line.substr(0, close);
    return trimBlanks(line);
}

// The key of a "key=value" line; nothing for section lines and lines without "=".
std::optional<std::string_view> keyName(std::string_view line) {
    if (sectionName(line))
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(0, equals));
}

std::string valueOf(std::string_view line, std::size_t maxBytes) {
    std::string_view value = line.substr(line.find('=') + 1);
    // A NUL byte ends the text, as it would for any C string reader.
    value = value.substr(0, value.find('\0'));
    value = trimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    const std::string text = cp932::fromFileForm(value);
    return text.substr(0, cp932::cutLength(text, maxBytes));
}

// Reading trims blanks and removes one pair of enclosing quotes, so a value that starts or
// ends with a blank or is itself quoted is written inside quotes: it reads back as written
// instead of losing a layer at every save.
std::string storedValue(std::string_view value) {
    std::string text = cp932::toFileForm(textlines::oneLine(value));
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                        text.back() == text.front();
    if (!text.empty() && (isBlank(text.front()) || isBlank(text.back()) || quoted)) {
        text.insert(0, 1, '"');
        text.push_back('"');
    }
    return text;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    auto bytes = FileBytes::read(path_, kMaxFileBytes);
    if (!bytes)
        return;
    text_ = std::move(*bytes);
    textlines::forEachLine(text_, [this](std::string_view line) {
        lines_.push_back({static_cast<std::uint32_t>(line.data() - text_.data()),
                          static_cast<std::uint32_t>(line.size())});
    });
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key,
                                          std::size_t maxBytes) const {
    const std::size_t header = findSection(section);
    if (header == npos)
        return std::nullopt;
    const std::size_t line = findKey(header, key);
    if (line == npos)
        return std::nullopt;
    return valueOf(lineText(line), maxBytes);
}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
    auto found = value(section, key);
    return found ? std::move(*found) : std::string(fallback);
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry = cp932::toFileForm(key);
    entry += '=';
    entry += storedValue(value);

    const std::size_t header = findSection(section);
    if (header == npos) {
        // Keeps a blank line between sections for the reader's eye.
        if (!lines_.empty() && !trimBlanks(lineText(lines_.size() - 1)).empty())
            lines_.push_back(storeLine(""));
        std::string header("[");
        header.append(cp932::toFileForm(section)).append("]");
        lines_.push_back(storeLine(header));
        lines_.push_back(storeLine(entry));
        return;
    }
    const std::size_t existing = findKey(header, key);
    if (existing != npos) {
        lines_[existing] = storeLine(entry);
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay.
    std::size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimBlanks(lineText(insertAt - 1)).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), storeLine(entry));
}

Outcome IniFile::save() const {
    if (FileBytes::replace(path_, text()))
        return Outcome::success();
    return Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "%1 に書き込めません"), path_);
}

std::string IniFile::text() const {
    std::string out;
    std::size_t size = 0;
    for (const Line& line : lines_)
        size += line.size + 2;
    out.reserve(size);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lineText(i);
        out += "\r\n";
    }
    return out;
}

std::string_view IniFile::lineText(std::size_t index) const {
    const Line& line = lines_[index];
    return std::string_view(text_).substr(line.begin, line.size);
}

IniFile::Line IniFile::storeLine(std::string_view line) {
    const Line stored{static_cast<std::uint32_t>(text_.size()),
                      static_cast<std::uint32_t>(line.size())};
    text_ += line;
    return stored;
}

std::size_t IniFile::findSection(std::string_view programSection) const {
    const std::string section = cp932::toFileForm(programSection);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lineText(i));
        if (name && cp932::equalsIgnoringCase(*name, section))
            return i;
    }
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lineText(i)))
        ++i;
    return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view programKey) const {
    const std::string key = cp932::toFileForm(programKey);
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const std::string_view line = lineText(i);
        if (sectionName(line))
            break;
        const auto name = keyName(line);
        if (name && cp932::equalsIgnoringCase(*name, key))
            return i;
    }
    return npos;
}
