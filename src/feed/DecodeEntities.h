#pragma once

#include <string>
#include <string_view>

// The fixed entity replacements applied to titles and descriptions (code page 932), in
// this order: &quot; &amp; &apos; &lt; &gt; then "!?" to full-width and every remaining "?"
// to a wave dash. Later replacements see the results of earlier ones, so "&amp;lt;" ends as
// "<". None of the patterns can match inside a two-byte character.
std::string DecodeEntities(std::string_view text);
