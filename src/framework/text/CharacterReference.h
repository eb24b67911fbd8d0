#pragma once

#include <string_view>

// The character that an HTML character reference names: `name` is the text between "&" and
// ";", a number ("#233", "#x1F389") or an HTML 4 entity name ("eacute", "euro"). 0 for
// anything else, for a number naming no character, a control character or NUL. "nbsp" is a
// plain space: nothing that shows text here has a use for the difference.
char32_t characterReference(std::string_view name);

// The same for a name in UTF-16 (for text already decoded).
char32_t characterReference(std::u16string_view name);
