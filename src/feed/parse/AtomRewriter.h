#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The rewritten entries stop growing past twice the document's size and a mebibyte. Every
// entry inherits the feed's xml:base, so a long base and many tiny entries with relative
// links would otherwise turn a few megabytes into gigabytes; a real feed never comes near.
constexpr std::size_t atomEntryBudget(std::size_t documentBytes) {
    return 2 * documentBytes + (std::size_t{1} << 20);
}

// How much of a document the root-element check looks at.
constexpr std::size_t atomSniffLength = 64 * 1024;

// True when the first element of the document (after a byte-order mark, the XML
// declaration, processing instructions, comments and a document type) is "feed", with or
// without a prefix. Looks at ASCII only, so it serves every ASCII-compatible encoding.
bool hasAtomRoot(std::string_view document);

// Rewrites an Atom 1.0 or 0.3 document into the UTF-8 tag text an RSS document
// gives: for the feed and then for each entry that has a title, "<title>", "<link>" and
// "<description>" with XML-escaped text, without CR and LF. A title of type html or xhtml becomes
// its text; the link is the first whose rel is "alternate" or absent, resolved against xml:base and
// `documentUri`; the description is the feed's subtitle (tagline in 0.3) and an entry's summary,
// else its content. Entries past the budget above are left out. Nothing when the root is not "feed"
// or the document is not well-formed XML. The document is read as UTF-8 whatever its XML
// declaration says.
std::optional<std::string> rewriteAtom(const QByteArray& utf8Document,
                                       std::string_view documentUri);
