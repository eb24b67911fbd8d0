#include "LightStr/SignFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(SignFont, PositiveHeightIsTheCellAndNegativeTheCharacter) {
    SignFont font;
    EXPECT_EQ(std::string(font.name), "ＭＳ ゴシック");
    for (int cell : {8, 11, 14, 20, 33}) {
        SCOPED_TRACE(cell);
        font.height = cell;
        QFont qfont = font.toQFont();
        EXPECT_LE(QFontMetrics(qfont).height(), cell);
        qfont.setPixelSize(qfont.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(qfont).height(), cell); // the largest that fits
    }
    font.height = -12;
    EXPECT_EQ(font.toQFont().pixelSize(), 12);
}

TEST(SignFont, StyleBitsFaceAndVerticalMark) {
    SignFont font;
    font.style = SignFont::kBold | SignFont::kUnderline;
    QFont qfont = font.toQFont();
    EXPECT_TRUE(qfont.bold());
    EXPECT_FALSE(qfont.italic());
    EXPECT_TRUE(qfont.underline());
    EXPECT_FALSE(qfont.strikeOut());
    EXPECT_EQ(qfont.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    EXPECT_FALSE(font.vertical());

    font.name = "@ＭＳ Ｐゴシック";
    font.style = SignFont::kItalic | SignFont::kStrikeOut;
    qfont = font.toQFont();
    EXPECT_TRUE(font.vertical());
    EXPECT_EQ(QFontInfo(qfont).family(), "IPAPGothic");
    EXPECT_TRUE(qfont.italic());
    EXPECT_TRUE(qfont.strikeOut());
}
