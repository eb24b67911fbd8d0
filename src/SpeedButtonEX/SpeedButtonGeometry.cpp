#include "SpeedButtonEX/SpeedButtonGeometry.h"

#include <algorithm>

namespace speedbutton {

PaintPlan paintPlan(const ButtonState& state) {
    PaintPlan plan;
    const QRect client(QPoint(0, 0), state.client);
    if (!state.down) {
        if (state.hover || !state.flat)
            plan.frames.push_back(
                {client, FrameColour::BorderHighlight, FrameColour::BorderShadow});
        return plan;
    }
    if (state.downTransparent && state.transparent)
        plan.face = Face::SeeThrough;
    if (!state.flat)
        plan.frames.push_back(
            {client.adjusted(1, 1, -1, -1), FrameColour::ButtonShadow, FrameColour::ButtonFace});
    plan.frames.push_back({client, FrameColour::BorderShadow, FrameColour::BorderHighlight});
    return plan;
}

QRect glyphSource(QSize strip, int numGlyphs, int image) {
    const int count = std::clamp(numGlyphs, 1, 4);
    const int width = strip.width() / count;
    if (width <= 0 || strip.height() <= 0)
        return {};
    const int index = image >= 0 && image < count ? image : 0;
    return {index * width, 0, width, strip.height()};
}

FacePositions facePositions(QSize client, QSize caption, QSize image, Layout layout, bool pressed) {
    // C++ division truncates toward zero, as the layout table wants.
    const int w = client.width();
    const int h = client.height();
    const int tw = caption.width() - 1;
    const int th = caption.height() - 1;
    FacePositions at;
    if (image.isEmpty()) {
        at.caption = {(w - tw) / 2, (h - th) / 2};
    } else {
        const int gw = image.width() - 1;
        const int gh = image.height() - 1;
        const int across = (w - 4 - gw - tw) / 2;
        const int down = (h - 4 - gh - th) / 2;
        switch (layout) {
        case Layout::GlyphLeft:
            at.glyph = {across, (h - gh) / 2};
            at.caption = {across + gw + 5, (h - th) / 2};
            break;
        case Layout::GlyphRight:
            at.glyph = {across + tw + 4, (h - gh) / 2};
            at.caption = {across - 1, (h - th) / 2};
            break;
        case Layout::GlyphTop:
            at.glyph = {(w - gw) / 2, down - 1};
            at.caption = {(w - tw) / 2, down + gh + 4};
            break;
        case Layout::GlyphBottom:
            at.glyph = {(w - gw) / 2, down + th + 4};
            at.caption = {(w - tw) / 2, down - 1};
            break;
        }
    }
    if (pressed) {
        at.glyph += QPoint(1, 1);
        at.caption += QPoint(1, 1);
    }
    return at;
}

} // namespace speedbutton
