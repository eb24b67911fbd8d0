#pragma once

#include <optional>
#include <string>

// The address under which an account's feed takes its place in the feed list. The rotation
// loads it like any feed; the account answers it from the headlines it holds.
namespace accountfeed {

inline constexpr std::string_view kScheme = "glowtape-account:";

std::string uriOf(const std::string& feedId);
// The account's feed id of an address made by uriOf; nothing for every other address.
std::optional<std::string> feedIdOf(const std::string& uri);

} // namespace accountfeed
