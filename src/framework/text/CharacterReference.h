#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>
#include <optional>
#include <string_view>

// The character that an HTML character reference names: `name` is the text between "&" and
// ";", a number ("#233", "#x1F389") or an HTML 4 entity name ("eacute", "euro"). 0 for
// anything else, for a number naming no character, a control character or NUL. "nbsp" is a
// plain space: nothing that shows text here has a use for the difference.
char32_t characterReference(std::string_view name);

// The same for a name in UTF-16 (for text already decoded).
char32_t characterReference(std::u16string_view name);

// A character reference at the start of `text` (which starts with "&"): its character and
// its length with "&" and ";"; nothing when none starts there. Only as far as the longest
// name is looked at for the ";", so that a scan trying every "&" of a text stays linear in
// the text's length.
struct CharacterReferenceAt {
    char32_t character = 0;
    std::size_t length = 0;
};
std::optional<CharacterReferenceAt> characterReferenceAt(std::string_view text);
std::optional<CharacterReferenceAt> characterReferenceAt(std::u16string_view text);

// `text` with its character references and HTML's named entities decoded; any other "&...;"
// stays as it is. Linear in the text's length.
QString decodedCharacterReferences(QStringView text);
