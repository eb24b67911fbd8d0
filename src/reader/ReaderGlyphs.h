#pragma once

#include <QImage>

// The pictures of the reader's navigation buttons, drawn rather than loaded: a strip of two
// images (enabled, disabled) on a key colour in the bottom-left pixel that the button leaves
// out.
namespace readerglyphs {

enum class Glyph { Back, Forward, Refresh, Home };

QImage strip(Glyph glyph, int size = 16);

} // namespace readerglyphs
