// news.csv, the feed list: reading any bytes, writing the list and reading it back.

#include "FuzzSupport.h"

#include "app/FeedListFile.h"
#include "framework/text/Cp932.h"
#include "framework/text/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

using fuzzsupport::check;

namespace {

// Every line ends in CR LF, has exactly three fields and fits the line limit.
bool isWellFormed(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos || text.compare(end, 2, "\r\n") != 0)
            return false;
        const std::string_view line = text.substr(start, end - start);
        if (line.size() > FeedListFile::kMaxLineBytes ||
            std::count(line.begin(), line.end(), ',') != 2)
            return false;
        start = end + 2;
    }
    return true;
}

bool linesFitTheLimit(std::string_view text) {
    bool fit = true;
    textlines::forEachLine(text, [&](std::string_view line) {
        fit = fit && line.size() <= FeedListFile::kMaxLineBytes;
    });
    return fit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<FeedEntry> entries = FeedListFile::parse(bytes);
    std::size_t lines = 0;
    textlines::forEachLine(bytes, [&](std::string_view) { ++lines; });
    check(entries.size() == lines, "every line is one entry");

    const std::string written = FeedListFile::format(entries);
    // Bytes that decode to no character, or to one whose own bytes differ (a duplicate of the
    // vendor rows), are written in the character's own form.
    if (isWellFormed(bytes) && cp932::fromUtf8(cp932::toUtf8(bytes)) == bytes)
        check(written == bytes, "a well-formed file is written back byte for byte");
    // The list a save writes is the list the next start reads.
    if (linesFitTheLimit(written))
        check(FeedListFile::parse(written) == entries, "writing and reading keep the list");

    const std::string& path = fuzzsupport::scratchPath("news.csv");
    check(FeedListFile::write(path, entries).ok(), "the list is saved");
    const FeedListFile::Loaded loaded = FeedListFile::read(path);
    check(loaded.present, "the saved file is read");
    check(FeedListFile::format(loaded.entries) ==
              FeedListFile::format(FeedListFile::parse(written)),
          "the file holds what was saved");
    return 0;
}
