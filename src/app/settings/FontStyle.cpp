#include "app/settings/FontStyle.h"

#include <QFont>

namespace fontstyle {

void apply(int bits, QFont& font) {
    font.setBold((bits & Bold) != 0);
    font.setItalic((bits & Italic) != 0);
    font.setUnderline((bits & Underline) != 0);
    font.setStrikeOut((bits & StrikeOut) != 0);
}

int of(const QFont& font) {
    return (font.bold() ? Bold : 0) | (font.italic() ? Italic : 0) |
           (font.underline() ? Underline : 0) | (font.strikeOut() ? StrikeOut : 0);
}

} // namespace fontstyle
