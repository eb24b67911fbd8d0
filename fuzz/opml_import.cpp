// OPML feed lists from other feed readers: importing any bytes, saving the imported list as
// news.csv and as OPML, and reading both back.

#include "FuzzSupport.h"

#include "app/FeedListFile.h"
#include "app/OpmlFile.h"

#include <cstdint>
#include <string_view>

using fuzzsupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::vector<FeedEntry>> imported =
        OpmlFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!imported)
        return 0;
    for (const FeedEntry& entry : *imported)
        check(!entry.uri.empty() && entry.shown.empty(), "an imported feed has a URI, no flag");

    // Exported and imported again, the list is the same.
    const std::optional<std::vector<FeedEntry>> again =
        OpmlFile::parse(OpmlFile::format(*imported));
    check(again.has_value(), "the exported OPML reads back");
    check(*again == *imported, "exporting and importing keep the list");

    // Saved as the feed list, every imported feed stays one entry with its URI.
    const std::string saved = FeedListFile::format(*imported);
    const std::vector<FeedEntry> loaded = FeedListFile::parse(saved);
    check(loaded.size() == imported->size(), "every imported feed is one line of news.csv");
    for (const FeedEntry& entry : loaded)
        check(!entry.uri.empty(), "a saved feed keeps its URI");
    check(FeedListFile::format(loaded) == saved, "the saved list reads back as saved");
    return 0;
}
