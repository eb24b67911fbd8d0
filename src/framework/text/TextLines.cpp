#include "framework/text/TextLines.h"

namespace textlines {

std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

} // namespace textlines
