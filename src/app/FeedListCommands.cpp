#include "app/FeedListCommands.h"

#include "app/FeedList.h"
#include "app/OpmlFile.h"
#include "framework/text/Utf8.h"

#include <QCollator>
#include <QLocale>
#include <unordered_set>

namespace {

const std::string& field(const FeedEntry& entry, int column) {
    switch (column) {
    case FeedList::TitleColumn:
        return entry.title;
    case FeedList::UriColumn:
        return entry.uri;
    default:
        return entry.shown;
    }
}

} // namespace

FeedListCommands::FeedListCommands(FeedList& feeds) : feeds_(feeds) {}

FeedEntry FeedListCommands::newEntry(std::string_view title, std::string_view uri) {
    return {csvSafeField(title, FieldKind::Text, ""), csvSafeField(uri, FieldKind::Uri, ""),
            std::string(feedmark::Shown)};
}

void FeedListCommands::registerFeed(std::string_view title, std::string_view uri) {
    feeds_.append(newEntry(title, uri));
}

void FeedListCommands::toggleShown(int row) {
    if (row < 0 || row >= feeds_.count())
        return;
    FeedEntry entry = feeds_.entry(row);
    entry.shown = std::string(entry.shown == feedmark::Hidden ? feedmark::Shown : feedmark::Hidden);
    feeds_.replace(row, std::move(entry));
}

void FeedListCommands::remove(int row) {
    feeds_.remove(row);
}

void FeedListCommands::addAnnouncement() {
    feeds_.append({std::string(kAnnouncementTitle), std::string(kAnnouncementUri),
                   std::string(feedmark::Shown)});
}

int FeedListCommands::appendNew(const std::vector<FeedEntry>& feeds) {
    std::unordered_set<std::string> held;
    for (const FeedEntry& entry : feeds_.entries())
        held.insert(entry.uri);
    int added = 0;
    for (const FeedEntry& feed : feeds) {
        FeedEntry entry = newEntry(feed.title, feed.uri);
        if (!held.insert(entry.uri).second)
            continue;
        feeds_.append(std::move(entry));
        ++added;
    }
    return added;
}

FeedListCommands::Imported FeedListCommands::importOpml(const std::string& path) {
    const OpmlFile::Loaded loaded = OpmlFile::read(path);
    if (!loaded.outcome.ok())
        return {0, loaded.outcome};
    return {appendNew(loaded.feeds), Outcome::success()};
}

Outcome FeedListCommands::exportOpml(const std::string& path) const {
    return OpmlFile::write(path, feeds_.ownEntries());
}

void FeedListCommands::sortByColumn(int column) {
    if (column < 0 || column >= static_cast<int>(descending_.size()))
        return;
    bool& descending = descending_[static_cast<std::size_t>(column)];
    // The user's locale order on the shown text, upper and lower case told apart.
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    const bool reverse = descending;
    feeds_.sortRows([&](const FeedEntry& a, const FeedEntry& b) {
        const int order =
            collator.compare(utf8::toQString(field(a, column)), utf8::toQString(field(b, column)));
        return reverse ? order > 0 : order < 0;
    });
    descending = !descending;
}
