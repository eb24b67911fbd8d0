#pragma once

#include <string>
#include <string_view>

// Turns a downloaded feed body into code page 932 text for the raw line store: the text up
// to the first NUL byte, decoded as UTF-8 (malformed text yields the empty text), CDATA
// sections replaced by their XML-escaped content, CR and LF removed. The store then starts
// a line before every "<", which is never the second byte of a two-byte character.
std::string normaliseFeedText(std::string_view body);
