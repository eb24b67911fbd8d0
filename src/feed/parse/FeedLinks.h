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

// The feed's address without the "user:password@" it may carry, for everything derived from
// it (links resolved against it, the reader's pages and history, seen.txt): the password is
// for fetching the feed only. An address without them comes back as it is.
std::string withoutCredentials(std::string_view feedUri);

} // namespace feedlinks
