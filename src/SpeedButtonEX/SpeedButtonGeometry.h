#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

// The flat speed button's painting, worked out without a widget: which faces and frames are
// drawn in which state, and where the glyph and caption go on the see-through pressed face.
namespace speedbutton {

enum class Layout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// Frame colours: the button's own border colours or the fixed button-face colours.
enum class FrameColour { BorderHighlight, BorderShadow, ButtonShadow, ButtonFace };

// A one-pixel frame: top and left edges in one colour, bottom and right in another.
struct Frame {
    QRect rect;
    FrameColour topLeft;
    FrameColour bottomRight;
    bool operator==(const Frame&) const = default;
};

enum class Face { Base, SeeThrough };

struct PaintPlan {
    Face face = Face::Base;
    std::vector<Frame> frames; // drawn in this order, over the face
};

struct ButtonState {
    QSize client;
    bool down = false; // the sticky pressed state of a grouped button
    bool hover = false;
    bool flat = true;
    bool transparent = true;
    bool downTransparent = true;
};

PaintPlan paintPlan(const ButtonState& state);

// Glyph strip images, side by side: up, disabled, clicked, down.
enum GlyphImage { UpImage = 0, DisabledImage = 1, ClickedImage = 2, DownImage = 3 };

// Where image `image` lies in a strip of `numGlyphs` images; the first image stands in for
// one the strip does not have (so the down face of a one- to three-image strip shows the
// first). Empty for an empty strip.
QRect glyphSource(QSize strip, int numGlyphs, int image);

struct FacePositions {
    QPoint glyph;
    QPoint caption;
};

// Glyph and caption positions on the face. `caption` is the caption's text extent, `image`
// the glyph image's size (empty: no glyph); a pressed face moves both one pixel right and down.
FacePositions facePositions(QSize client, QSize caption, QSize image, Layout layout, bool pressed);

} // namespace speedbutton
