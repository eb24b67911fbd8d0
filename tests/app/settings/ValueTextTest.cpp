#include "app/settings/ColourText.h"
#include "app/settings/FontStyle.h"
#include "app/settings/IntegerText.h"

#include <QFont>
#include <gtest/gtest.h>

using integertext::parse;

TEST(IntegerText, ReadsDecimalAndBothHexadecimalPrefixes) {
    EXPECT_EQ(parse("600"), 600);
    EXPECT_EQ(parse("-5"), -5);
    EXPECT_EQ(parse("+7"), 7);
    EXPECT_EQ(parse("$1F"), 31);
    EXPECT_EQ(parse("0x1f"), 31);
    EXPECT_EQ(parse("0X1F"), 31);
    EXPECT_EQ(parse("-$10"), -16);
    EXPECT_EQ(parse("$FFFFFFFF"), -1);
    EXPECT_EQ(parse("2147483647"), 2147483647);
    EXPECT_EQ(parse("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parse("007"), 7);
}

TEST(IntegerText, RefusesEverythingElse) {
    for (const char* text : {"", "-", "$", "0x", "12a", "1 2", "1.5", "2147483648", "$100000000",
                             "ten", "$G", "0b101", "--1"})
        EXPECT_EQ(parse(text), std::nullopt) << text;
}

TEST(ColourText, WritesNamesWhereTheyExistAndEightUpperCaseDigitsOtherwise) {
    EXPECT_EQ(colourtext::toText(0x00123456), "$00123456");
    EXPECT_EQ(colourtext::toText(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(colourtext::toText(0x00404000), "$00404000");
    EXPECT_EQ(colourtext::toText(0x00FFFFFF), "clWhite");
    EXPECT_EQ(colourtext::toText(0x0000FF00), "clLime");
    EXPECT_EQ(colourtext::toText(0x00A4A0A0), "clMedGray");
    EXPECT_EQ(colourtext::toText(0x8000000F), "clBtnFace");
    EXPECT_EQ(colourtext::toText(0x8000001E), "clMenuBar");
    EXPECT_EQ(colourtext::toText(colourtext::kNone), "clNone");
    EXPECT_EQ(colourtext::toText(colourtext::kDefault), "clDefault");
    // System colour 25 has no name.
    EXPECT_EQ(colourtext::toText(0x80000019), "$80000019");
}

TEST(ColourText, ReadsNamesWithoutCaseAndNumbersInEveryForm) {
    EXPECT_EQ(colourtext::fromText("clWhite"), 0x00FFFFFFu);
    EXPECT_EQ(colourtext::fromText("CLWHITE"), 0x00FFFFFFu);
    EXPECT_EQ(colourtext::fromText("clbtnface"), 0x8000000Fu);
    EXPECT_EQ(colourtext::fromText("cl3DDkShadow"), 0x80000015u);
    EXPECT_EQ(colourtext::fromText("clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(colourtext::fromText("$00123456"), 0x00123456u);
    EXPECT_EQ(colourtext::fromText("0x123456"), 0x00123456u);
    EXPECT_EQ(colourtext::fromText("1193046"), 0x00123456u);
    EXPECT_EQ(colourtext::fromText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colourtext::fromText("clLimeGreen"), std::nullopt);
    EXPECT_EQ(colourtext::fromText("lime"), std::nullopt);
    EXPECT_EQ(colourtext::fromText(""), std::nullopt);
}

TEST(ColourText, EveryWrittenColourReadsBackUnchanged) {
    std::vector<Colour> colours = {0,          0x80,       0x00123456,        0x00FFFFFF,
                                   0x00FFFFFE, 0xFFFFFFFF, colourtext::kNone, colourtext::kDefault};
    for (Colour index = 0; index <= 31; ++index)
        colours.push_back(colourtext::kSystemColourBase + index);
    for (const Colour colour : colours)
        EXPECT_EQ(colourtext::fromText(colourtext::toText(colour)), colour)
            << colourtext::toText(colour);
}

TEST(FontStyle, BitsMapToTheFontAndBack) {
    for (int bits = 0; bits < 16; ++bits) {
        QFont font;
        fontstyle::apply(bits, font);
        EXPECT_EQ(fontstyle::of(font), bits);
    }
    QFont font;
    fontstyle::apply(fontstyle::Bold | fontstyle::Underline | 16, font);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    fontstyle::apply(0, font);
    EXPECT_EQ(fontstyle::of(font), 0);
}
