#include "framework/text/FontFaceMap.h"

#include <gtest/gtest.h>

TEST(FontFaceMap, WindowsFacesMapToTheirJapaneseStandIns) {
    EXPECT_EQ(FontFaceMap::family("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(FontFaceMap::family("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(FontFaceMap::family("@ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(FontFaceMap::family("IPAMincho"), "IPAMincho");
    // Unknown or empty names still give an installed family.
    EXPECT_FALSE(FontFaceMap::family("存在しない書体").isEmpty());
    EXPECT_FALSE(FontFaceMap::family("").isEmpty());
    EXPECT_FALSE(FontFaceMap::family("@").isEmpty());
}

TEST(FontFaceMap, LeadingAtSelectsVerticalWriting) {
    EXPECT_TRUE(FontFaceMap::isVertical("@ＭＳ ゴシック"));
    EXPECT_FALSE(FontFaceMap::isVertical("ＭＳ ゴシック"));
    EXPECT_FALSE(FontFaceMap::isVertical(""));
}
