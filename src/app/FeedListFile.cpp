#include "app/FeedListFile.h"

#include "framework/files/FileBytes.h"
#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"
#include "framework/text/TextLines.h"

#include <QtGlobal>

namespace {

FeedEntry entryOf(std::string_view fileLine) {
    // The cut counts the text's code page 932 form and never splits a character: the title is
    // shown.
    const std::string text = cp932::fromFileForm(fileLine);
    std::string_view line =
        std::string_view(text).substr(0, cp932::cutLength(text, FeedListFile::kMaxLineBytes));
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
        // One line per entry, split where this save put the commas on the next load.
        text += csvSafeField(entry.title, FieldKind::Text, " ");
        text += ',';
        text += csvSafeField(entry.uri, FieldKind::Uri, " ");
        text += ',';
        text += csvSafeField(entry.shown, FieldKind::Text, " ");
        text += "\r\n";
    }
    return cp932::toFileForm(text);
}

Outcome FeedListFile::write(const std::string& path, const std::vector<FeedEntry>& entries) {
    if (FileBytes::replace(path, format(entries)))
        return Outcome::success();
    return Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "ファイル %1 を作成できません"), path);
}
