#pragma once

#include <QImage>

// The pictures of the reader's navigation buttons, drawn rather than loaded: a strip of two
// images (enabled, disabled) on a key colour in the bottom-left pixel that the button leaves
// out. `ratio` is the screen's device pixel ratio: the strip is drawn at that many device
// pixels per logical pixel, so the glyphs stay sharp on a scaled screen.
namespace readerglyphs {

enum class Glyph { Back, Forward, Refresh, Home };

QImage strip(Glyph glyph, int size = 16, qreal ratio = 1.0);

} // namespace readerglyphs
