#pragma once

#include <string>
#include <string_view>
#include <vector>

// Turns a downloaded feed body into the raw lines that composition scans: the text up to
// the first NUL byte, decoded as UTF-8 (malformed text yields no lines), CDATA sections
// replaced by their XML-escaped content, converted to code page 932, CR and LF removed,
// and a new line started before every "<". Line 0 holds the text before the first "<".
std::vector<std::string> normaliseFeedText(std::string_view body);
