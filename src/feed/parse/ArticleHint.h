#pragma once

#include <QString>
#include <string_view>

// The tooltip of the article on the sign: its title, and on the next line its description
// as plain text (markup removed, entities decoded), at most `kDescriptionLimit` characters.
// Both come from the line stores (code page 932).
QString articleHint(std::string_view cp932Title, std::string_view cp932Description);

inline constexpr qsizetype kDescriptionLimit = 300;
