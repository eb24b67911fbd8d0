#pragma once

#include <string>
#include <string_view>

// The fixed entity replacements applied to titles and descriptions (UTF-8), in
// this order: &quot; &amp; &apos; &lt; &gt;, every other character reference ("&#233;",
// "&eacute;", "&#x1F389;") to its character, then "!?" to full-width and every remaining "?"
// to a wave dash. Later replacements see the results of earlier ones, so "&amp;lt;" ends as
// "<" and "&amp;amp;" as "&amp;". None of the patterns can match inside a character.
std::string DecodeEntities(std::string_view text);
