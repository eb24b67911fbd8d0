#include "SpeedButtonEX/SpeedButtonGeometry.h"

#include <gtest/gtest.h>

using namespace speedbutton;

namespace {
const QSize kClient(40, 30);
const QSize kCaption(20, 12);
const QSize kImage(16, 16);

FacePositions pressed(Layout layout, QSize client = kClient) {
    return facePositions(client, kCaption, kImage, layout, true);
}
} // namespace

TEST(SpeedButtonGeometry, PressedFacePlacesGlyphAndCaptionForEveryLayout) {
    EXPECT_EQ(pressed(Layout::GlyphLeft).glyph, QPoint(2, 8));
    EXPECT_EQ(pressed(Layout::GlyphLeft).caption, QPoint(22, 10));
    EXPECT_EQ(pressed(Layout::GlyphRight).glyph, QPoint(25, 8));
    EXPECT_EQ(pressed(Layout::GlyphRight).caption, QPoint(1, 10));
    EXPECT_EQ(pressed(Layout::GlyphTop).glyph, QPoint(13, 0));
    EXPECT_EQ(pressed(Layout::GlyphTop).caption, QPoint(11, 20));
    EXPECT_EQ(pressed(Layout::GlyphBottom).glyph, QPoint(13, 16));
    EXPECT_EQ(pressed(Layout::GlyphBottom).caption, QPoint(11, 0));

    // Without a glyph the caption is centred; the unpressed face lies one pixel up and left.
    EXPECT_EQ(facePositions(kClient, kCaption, QSize(), Layout::GlyphTop, true).caption,
              QPoint(11, 10));
    EXPECT_EQ(facePositions(kClient, kCaption, kImage, Layout::GlyphLeft, false).glyph,
              QPoint(1, 7));
    // Too narrow a button: the division truncates toward zero, (21 - 38) / 2 = -8.
    EXPECT_EQ(pressed(Layout::GlyphLeft, QSize(21, 30)).glyph.x(), -7);
}

TEST(SpeedButtonGeometry, DownFaceTakesTheFourthImageOnlyFromAFourImageStrip) {
    EXPECT_EQ(glyphSource(QSize(64, 16), 4, DownImage), QRect(48, 0, 16, 16));
    EXPECT_EQ(glyphSource(QSize(48, 16), 3, DownImage), QRect(0, 0, 16, 16));
    EXPECT_EQ(glyphSource(QSize(64, 16), 1, DownImage), QRect(0, 0, 64, 16));
    EXPECT_EQ(glyphSource(QSize(64, 16), 4, DisabledImage), QRect(16, 0, 16, 16));
    EXPECT_TRUE(glyphSource(QSize(), 4, UpImage).isEmpty());
}

TEST(SpeedButtonGeometry, FramesFollowHoverFlatAndDown) {
    const QRect client(0, 0, 27, 27);
    const Frame raised{client, FrameColour::BorderHighlight, FrameColour::BorderShadow};
    const Frame sunken{client, FrameColour::BorderShadow, FrameColour::BorderHighlight};

    ButtonState state{QSize(27, 27)};
    EXPECT_TRUE(paintPlan(state).frames.empty()); // invisible until hovered
    state.hover = true;
    EXPECT_EQ(paintPlan(state).frames, std::vector<Frame>{raised});
    state.hover = false;
    state.flat = false;
    EXPECT_EQ(paintPlan(state).frames, std::vector<Frame>{raised});

    state.down = true;
    const PaintPlan down = paintPlan(state);
    EXPECT_EQ(down.face, Face::SeeThrough);
    const Frame inner{client.adjusted(1, 1, -1, -1), FrameColour::ButtonShadow,
                      FrameColour::ButtonFace};
    EXPECT_EQ(down.frames, (std::vector<Frame>{inner, sunken}));

    state.flat = true;
    state.downTransparent = false;
    EXPECT_EQ(paintPlan(state).face, Face::Base);
    EXPECT_EQ(paintPlan(state).frames, std::vector<Frame>{sunken});
    state.downTransparent = true;
    state.transparent = false;
    EXPECT_EQ(paintPlan(state).face, Face::Base);
}
