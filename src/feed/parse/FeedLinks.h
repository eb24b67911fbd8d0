#pragma once

#include <string>
#include <string_view>

// Relative links of a feed, made absolute against the feed's own address, so that the sign,
// the article list and the reader all open "/news/1" of http://host/feed.xml as
// http://host/news/1 rather than as a local path.
namespace feedlinks {

// A link with a scheme, or any link of a feed whose address has none, comes back as it is.
// Links are XML-escaped, as in the feed; so is the result.
std::string resolved(std::string_view link, std::string_view feedUri);

} // namespace feedlinks
