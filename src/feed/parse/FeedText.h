#pragma once

#include <string>
#include <string_view>

// Turns a downloaded feed body into UTF-8 text for the raw line store. The bytes are
// decoded in the encoding a byte-order mark, the Content-Type's charset or the XML
// declaration names (else UTF-8; a malformed UTF-8 sequence becomes one "?"), up to the
// first NUL. An Atom document (root element "feed") is rewritten into the tag lines an RSS
// document gives, its relative links resolved against `documentUri`; other documents, and
// Atom that is not well-formed XML, keep their tags as they are. CDATA sections are
// replaced by their XML-escaped content, CR and LF removed. The store then starts a line
// before every "<".
std::string normaliseFeedText(std::string_view body, std::string_view contentType = {},
                              std::string_view documentUri = {});
