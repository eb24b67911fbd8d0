#pragma once

#include <string>
#include <string_view>

struct LineStores;

// The records of a composed feed as UTF-8 text for people or as one JSON object
// {"ok": ..., "records": [{"title", "link", "description"}, ...]}; record 0 is the channel.
namespace feedreport {

std::string asText(const LineStores& stores);
std::string asJson(bool ok, const LineStores& stores);

// A JSON string literal, quotes included, for UTF-8 text.
std::string jsonString(std::string_view utf8);

} // namespace feedreport
