// The feed pipeline from the downloaded bytes to the records the ticker shows, and the JSON
// report of glowtape-feed over them. An input that starts with a "Content-Type: " line gives
// the server's content type; the rest is the body.

#include "FuzzSupport.h"

#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedReport.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/parse/AtomRewriter.h"
#include "feed/parse/FeedText.h"
#include "framework/text/Cp932.h"
#include "framework/text/Utf8.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <string_view>

using fuzzsupport::check;

namespace {

// Occurrences of a lower-case ASCII pattern, letters compared without regard to case, as
// the composer compares tags.
std::size_t occurrences(std::string_view text, std::string_view pattern) {
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    std::size_t count = 0;
    for (std::size_t at = lowered.find(pattern); at != std::string::npos;
         at = lowered.find(pattern, at + 1))
        ++count;
    return count;
}

// True when some bytes of the text are no UTF-8 character, a cut in the middle of one among them.
bool hasBrokenCharacter(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        if (utf8::next(text, at) == U'?' && text[start] != '?')
            return true;
    }
    return false;
}

void checkField(std::string_view field) {
    check(cp932::fromUtf8(field).size() <= LineStore::readLimit,
          "a record field fits the line store's limit");
    check(field.find_first_of("\r\n") == std::string_view::npos, "a record field is one line");
    check(!hasBrokenCharacter(field), "a record field is whole UTF-8 characters");
}

struct Download {
    std::string_view contentType;
    std::string_view body;
};

Download downloadOf(std::string_view input) {
    constexpr std::string_view header = "Content-Type: ";
    const std::size_t end = input.find('\n');
    if (!input.starts_with(header) || end == std::string_view::npos)
        return {{}, input};
    return {input.substr(header.size(), end - header.size()), input.substr(end + 1)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [contentType, body] =
        downloadOf(std::string_view(reinterpret_cast<const char*>(data), size));

    // Tags come from the decoded text: an overlong form of CR or LF, say, vanishes with the
    // line breaks and may join the bytes around it into a tag.
    const std::string text =
        normaliseFeedText(body, contentType, "http://127.0.0.1/feeds/feed.xml");
    // CDATA content is escaped ("&" grows most, to "&amp;"); an Atom feed's entries grow
    // within their budget, and one record may cross it.
    check(text.size() <= 6 * body.size() + atomEntryBudget(body.size()),
          "normalising keeps the text bounded");

    LineStores stores;
    NullFeedView view;
    stores.Memo1.setSplitBefore(text, '<');
    FeedComposer(stores, view).ComposeFeed("feed", "http://127.0.0.1/feed.xml");

    const std::size_t records = stores.recordCount();
    check(stores.Memo3.count() == records && stores.Memo4.count() == records,
          "every record has a link and a description");
    check(records == occurrences(text, "<title>"), "one record per title tag");
    check(stores.Memo1.empty() && stores.Memo5.empty(), "the scratch stores are emptied");
    std::size_t recordBytes = 0;
    for (std::size_t i = 0; i < records; ++i) {
        const ArticleRecord record = stores.record(i);
        checkField(record.title);
        checkField(record.link);
        checkField(record.description);
        recordBytes += record.title.size() + record.link.size() + record.description.size();
    }
    // Entity decoding turns "?" into a wave dash of three UTF-8 bytes; a missing field is one
    // blank.
    check(recordBytes <= 3 * text.size() + 2 * records, "the records are bounded by the text");

    const std::string report = feedreport::asJson(true, stores);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(report.data(), static_cast<qsizetype>(report.size())), &error);
    check(error.error == QJsonParseError::NoError, "the JSON report parses");
    check(document.object().value("records").toArray().size() == static_cast<qsizetype>(records),
          "the JSON report holds every record");
    return 0;
}
