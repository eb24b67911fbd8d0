#pragma once

#include "framework/text/Cp932.h"

#include <initializer_list>
#include <string>

// Lines joined with CR LF, in code page 932, as the program's own files hold them.
inline std::string crlf(std::initializer_list<const char*> utf8Lines) {
    std::string text;
    for (const char* line : utf8Lines)
        text.append(line).append("\r\n");
    return cp932::fromUtf8(text);
}
