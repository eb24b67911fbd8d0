#pragma once

#include <string>
#include <string_view>

namespace textlines {

// Calls lineHandler(std::string_view) for every line of text. CR LF, a lone CR and a lone
// LF all end a line; the text after the last line break is a line only when it is not
// empty, so a final line break is optional and never yields an extra empty line.
template <typename LineHandler> void forEachLine(std::string_view text, LineHandler&& lineHandler) {
    std::size_t start = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lineHandler(text.substr(start, i - start));
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lineHandler(text.substr(start));
}

// The text with every CR and LF turned into a blank, so that it stays on one line of a
// line-based file.
std::string oneLine(std::string_view text);

} // namespace textlines
