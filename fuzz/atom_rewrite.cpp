// The Atom rewrite on its own, from any UTF-8 bytes: the tag text it gives must be nothing
// but the tag lines the composer reads.

#include "FuzzSupport.h"

#include "feed/parse/AtomRewriter.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <string_view>

using fuzzsupport::check;

namespace {

constexpr std::array<std::string_view, 6> tags = {"<title>", "</title>",      "<link>",
                                                  "</link>", "<description>", "</description>"};

bool startsWithTag(std::string_view text) {
    for (const std::string_view tag : tags)
        if (text.starts_with(tag))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray document =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<std::string> text = rewriteAtom(document, "http://127.0.0.1/feeds/a.xml");
    if (!text)
        return 0;

    check(text->starts_with("<title>"), "the feed's record comes first");
    check(text->find_first_of("\r\n") == std::string::npos, "the text has no line breaks");
    std::size_t titles = 0;
    for (std::size_t at = text->find('<'); at != std::string::npos; at = text->find('<', at + 1)) {
        const std::string_view rest = std::string_view(*text).substr(at);
        check(startsWithTag(rest), "every '<' starts one of the rewritten tags");
        titles += rest.starts_with("<title>") ? 1 : 0;
    }
    check(titles >= 1, "the feed gives a record");
    check(text->size() <= 6 * size + atomEntryBudget(size), "the text stays bounded");
    return 0;
}
