#pragma once

#include <QString>
#include <string_view>

// The tooltip of the article on the sign: its title, and on the next line its description
// as plain text (markup removed, entities decoded), at most `kDescriptionLimit` characters.
// Both come from the line stores.
QString articleHint(std::string_view utf8Title, std::string_view utf8Description);

inline constexpr qsizetype kDescriptionLimit = 300;
