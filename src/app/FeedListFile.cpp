#include "FeedListFile.h"

#include "framework/Cp932.h"
#include "framework/FileBytes.h"
#include "framework/TextLines.h"

namespace {

FeedEntry entryOf(std::string_view line) {
    // The cut never splits a two-byte character: the title is shown.
    line = line.substr(0, cp932::cutLength(line, FeedListFile::kMaxLineBytes));
    FeedEntry entry;
    std::string* const fields[] = {&entry.title, &entry.uri, &entry.shown};
    for (std::string* field : fields) {
        const auto comma = line.find(',');
        field->assign(line.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    return entry;
}

// A field as one line without the separator, so that the next load splits the line where
// this save put the commas. A comma in a URI becomes its percent form, which names the same
// resource; elsewhere the full-width comma "，". Neither a line break nor a comma can be the
// second byte of a two-byte character.
std::string fieldText(std::string_view field, std::string_view commaReplacement) {
    std::string text;
    text.reserve(field.size());
    for (const char c : field) {
        if (c == ',')
            text += commaReplacement;
        else
            text += c == '\r' || c == '\n' ? ' ' : c;
    }
    return text;
}

constexpr std::string_view kFullWidthComma = "\x81\x43";
constexpr std::string_view kPercentComma = "%2C";

} // namespace

FeedListFile::Loaded FeedListFile::read(const std::string& path) {
    const auto bytes = FileBytes::read(path);
    if (!bytes)
        return {};
    return {true, parse(*bytes)};
}

std::vector<FeedEntry> FeedListFile::parse(std::string_view bytes) {
    std::vector<FeedEntry> entries;
    textlines::forEachLine(bytes, [&](std::string_view line) { entries.push_back(entryOf(line)); });
    return entries;
}

std::string FeedListFile::format(const std::vector<FeedEntry>& entries) {
    std::string text;
    for (const FeedEntry& entry : entries) {
        text += fieldText(entry.title, kFullWidthComma);
        text += ',';
        text += fieldText(entry.uri, kPercentComma);
        text += ',';
        text += fieldText(entry.shown, kFullWidthComma);
        text += "\r\n";
    }
    return text;
}

Outcome FeedListFile::write(const std::string& path, const std::vector<FeedEntry>& entries) {
    if (FileBytes::replace(path, format(entries)))
        return Outcome::success();
    return Outcome::failure(cp932::fromUtf8("ファイル ") + cp932::fromUtf8(path) +
                            cp932::fromUtf8(" を作成できません"));
}
