#include "framework/text/FullWidth.h"
#include "framework/text/Cp932.h"

#include <gtest/gtest.h>

namespace {
std::string fullWidthUtf8(const std::string& utf8) {
    return toFullWidth(utf8);
}
} // namespace

TEST(FullWidth, MapsAsciiAndSpaceKeepsLineBreaksAndFullWidthText) {
    EXPECT_EQ(fullWidthUtf8("Ab 1!~\r\n"), "Ａｂ　１！～\r\n");
    EXPECT_EQ(fullWidthUtf8("●日本［  x  ］"), "●日本［　　ｘ　　］");
    // Characters beyond code page 932 stay as they are.
    EXPECT_EQ(toFullWidth("Café 🎉"), "Ｃａｆé　🎉");
}

TEST(FullWidth, JoinsHalfWidthKatakanaWithTheirMarks) {
    EXPECT_EQ(fullWidthUtf8("ｶﾞｯﾂﾎﾟｳﾞｧｰ"), "ガッツポヴァー");
    // Marks that cannot join stand alone; ッ takes no voiced mark.
    EXPECT_EQ(fullWidthUtf8("ｱﾞｯﾞﾟ｡｢｣"), "ア゛ッ゛゜。「」");
}

TEST(FullWidth, LongTextIsNotCut) {
    const std::string text(600, 'x');
    EXPECT_EQ(cp932::fromUtf8(toFullWidth(text)).size(), 1200u);
}
