#include "feed/parse/DescriptionCleaner.h"

#include "feed/parse/AsciiPrefix.h"
#include "feed/parse/DecodeEntities.h"

namespace {

// A tag runs from "<" through the next ">", or up to the next "<" or the end when no ">"
// comes first; text runs up to the next "<" and includes any ">" (a boundary lies after it).
// A plain loop: find_first_of calls memchr once per character of the text.
std::size_t segmentEnd(std::string_view text, std::size_t start) {
    for (std::size_t at = text[start] == '<' ? start + 1 : start; at < text.size(); ++at) {
        if (text[at] == '>')
            return at + 1;
        if (text[at] == '<')
            return at;
    }
    return text.size();
}

} // namespace

std::string cleanDescription(std::string_view description) {
    const std::string decoded = DecodeEntities(description);
    const std::string_view text = decoded;
    std::string result;
    result.reserve(text.size());
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = segmentEnd(text, start);
        const std::string_view segment = text.substr(start, end - start);
        start = end;
        if (segment == "<br />")
            result += ' ';
        else if (segment == "</a>" || hasAsciiPrefix(segment, "<a ") ||
                 hasAsciiPrefix(segment, "<img"))
            continue;
        else
            result.append(segment);
    }
    return result;
}
