#pragma once

#include <QPixmap>

// The pictures of the reader's navigation buttons, drawn rather than loaded.
namespace readerglyphs {

enum class Glyph { Back, Forward, Refresh, Home };

QPixmap draw(Glyph glyph, const QColor& colour, int size = 16);

} // namespace readerglyphs
