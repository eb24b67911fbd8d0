#include "LightStr/SignRaster.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// Bounds of the lit dots: left, top, right, bottom (inclusive); all -1 when none is lit.
QRect litBounds(const SignRaster& raster) {
    QRect bounds;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            if (raster.isLit(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

SignFont fontNamed(const char* utf8Name, int height) {
    SignFont font;
    font.name = std::string(utf8Name);
    font.height = height;
    return font;
}

} // namespace

TEST(SignRaster, LineIsAsWideAsItsAdvanceAndStartsAtTheSpaceRow) {
    const SignFont font = fontNamed("ＭＳ ゴシック", 12);
    SignRaster spaced;
    spaced.render("Abc", font, 2, 16);
    EXPECT_EQ(spaced.width(), QFontMetrics(font.toQFont()).horizontalAdvance("Abc"));
    EXPECT_EQ(spaced.height(), 16);

    SignRaster flush;
    flush.render("Abc", font, 0, 16);
    ASSERT_FALSE(litBounds(flush).isEmpty());
    EXPECT_EQ(litBounds(spaced), litBounds(flush).translated(0, 2));
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < flush.width(); ++x)
            ASSERT_EQ(spaced.isLit(x, y + 2), flush.isLit(x, y));
    }
}

TEST(SignRaster, EmptyLineIsOneUnlitColumnAndOutsideIsUnlit) {
    SignRaster raster;
    raster.render("", SignFont(), 0, 11);
    EXPECT_EQ(raster.width(), 1);
    EXPECT_EQ(raster.height(), 11);
    EXPECT_TRUE(litBounds(raster).isEmpty());
    raster.image().fill(Qt::black);
    EXPECT_TRUE(raster.isLit(0, 10));
    EXPECT_FALSE(raster.isLit(0, 11));
    EXPECT_FALSE(raster.isLit(-1, 0));
    EXPECT_FALSE(raster.isLit(1, 0));
}

TEST(SignRaster, RunOutBlankKeepsTheLastLinesHeight) {
    SignRaster raster;
    raster.render("AB", SignFont(), 2, 15);
    raster.makeBlank(49);
    EXPECT_EQ(raster.width(), 49);
    EXPECT_EQ(raster.height(), 15);
    EXPECT_TRUE(litBounds(raster).isEmpty());
}

TEST(SignRaster, NothingOfThePreviousLineSurvivesInTheMargins) {
    const SignFont font = fontNamed("ＭＳ ゴシック", 16);
    SignRaster raster;
    raster.render("■■■■", font, 0, 20);
    ASSERT_LE(litBounds(raster).top(), 3);
    raster.render(".", font, 4, 20);
    EXPECT_GE(litBounds(raster).top(), 4);
}

TEST(SignRaster, VerticalFaceTurnsFullWidthGlyphsUpright) {
    // "一" is a flat bar; on a vertical face it is turned to stand across the line.
    const std::string bar = "一";
    SignRaster plain;
    plain.render(bar, fontNamed("ＭＳ ゴシック", 16), 0, 16);
    SignRaster turned;
    turned.render(bar, fontNamed("@ＭＳ ゴシック", 16), 0, 16);
    EXPECT_EQ(turned.width(), plain.width());
    const QRect flat = litBounds(plain);
    const QRect upright = litBounds(turned);
    EXPECT_GT(flat.width(), 3 * flat.height());
    EXPECT_GT(upright.height(), 3 * upright.width());

    // The long vowel mark, half-width text and Latin letters beyond code page 932 run with the
    // line as drawn.
    for (const char* text : {"ー", "abc", "Café"}) {
        SCOPED_TRACE(text);
        SignRaster a;
        a.render(std::string(text), fontNamed("ＭＳ ゴシック", 16), 0, 16);
        SignRaster b;
        b.render(std::string(text), fontNamed("@ＭＳ ゴシック", 16), 0, 16);
        EXPECT_EQ(a.image(), b.image());
    }
}

TEST(SignRaster, DotsAreCrispUnlessSmoothingIsAsked) {
    SignFont font = fontNamed("ＭＳ ゴシック", 16);
    const auto greys = [](const SignRaster& raster) {
        int count = 0;
        for (int y = 0; y < raster.height(); ++y) {
            for (int x = 0; x < raster.width(); ++x) {
                const QRgb pixel = raster.image().pixel(x, y);
                count += pixel != 0xFFFFFFFFu && pixel != 0xFF000000u;
            }
        }
        return count;
    };
    SignRaster crisp;
    crisp.render("電光掲示板", font, 0, 16);
    EXPECT_EQ(greys(crisp), 0);
    font.smoothing = true;
    SignRaster smooth;
    smooth.render("電光掲示板", font, 0, 16);
    EXPECT_GT(greys(smooth), 0);
}

TEST(SignRaster, CharactersBeyondCodePage932DrawFromTheInstalledFonts) {
    const SignFont font = fontNamed("ＭＳ Ｐゴシック", 16);
    const auto rendered = [&font](const char* utf8) {
        SignRaster raster;
        raster.render(std::string(utf8), font, 0, 16);
        return raster.image();
    };
    const QImage accented = rendered("é");
    EXPECT_NE(accented, rendered("～"));
    EXPECT_NE(accented, rendered("e"));
    // Emoji, Hangul and simplified Chinese come from faces the sign's font falls back to; an
    // emoji's colours light its dots as a silhouette.
    for (const char* text : {"🎉", "😀", "한", "简"}) {
        SCOPED_TRACE(text);
        SignRaster raster;
        raster.render(std::string(text), font, 0, 16);
        const QRect lit = litBounds(raster);
        EXPECT_GE(lit.width(), 6);
        EXPECT_GE(lit.height(), 6);
        EXPECT_NE(raster.image(), rendered("～"));
        EXPECT_NE(raster.image(), rendered("\U0010FFFD")) << "no face has the glyph";
    }
}
