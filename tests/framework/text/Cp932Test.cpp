#include "framework/text/Cp932.h"
#include "framework/text/Cp932FileForm.h"
#include "framework/text/Utf8.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const std::string shown = "\x81\x9B";  // ○
    const std::string hidden = "\x81\x7E"; // ×
    EXPECT_EQ(cp932::toUtf8(shown), "○");
    EXPECT_EQ(cp932::toUtf8(hidden), "×");
    EXPECT_EQ(cp932::fromUtf8("○"), shown);
    const std::string mixed = cp932::fromUtf8("abc 日本 123");
    EXPECT_EQ(mixed, "abc \x93\xFA\x96\x7B 123");
    EXPECT_EQ(cp932::fromUtf8(cp932::toUtf8(mixed)), mixed);
    // A lone lead byte at the end cannot be decoded; a character without a form has no bytes.
    EXPECT_EQ(cp932::toUtf8("ab\x93"), "ab?");
    EXPECT_EQ(cp932::fromUtf8("Caf\u00E9 \U0001F980"), "Caf? ?");
}

TEST(Cp932, FileFormKeepsEveryCharacterHoweverManyDistinctOnesARunMeets) {
    // 20,000 distinct characters without a form, more than code page 932's user-defined area
    // could ever hold, and the area's own private use characters, which keep their bytes.
    std::string text = "\uE000\uE757";
    for (char32_t c = 0xAC00; c < 0xAC00 + 11172; ++c)
        utf8::append(c, text);
    for (char32_t c = 0x20000; c < 0x20000 + 8828; ++c)
        utf8::append(c, text);
    const std::string file = cp932::toFileForm(text);
    EXPECT_EQ(file.substr(0, 4), "\xF0\x40\xF9\xFC");
    EXPECT_EQ(file.substr(4, 8), "&#44032;");
    EXPECT_EQ(file.find('?'), std::string::npos);
    EXPECT_EQ(cp932::fromFileForm(file), text);
    // A typed reference stays text; one a save could not have written stays as it stands.
    EXPECT_EQ(cp932::toFileForm("&#233; &#12354; &amp;"), "&#38;#233; &#12354; &amp;");
    EXPECT_EQ(cp932::fromFileForm("&#38;#233; &#12354; &#0233; &#38;"),
              "&#233; &#12354; &#0233; &#38;");
}

TEST(Cp932, CutCountsTheCodePage932FormAndNeverSplitsACharacter) {
    const std::string text = "a日本";
    EXPECT_EQ(cp932::cut(text, 2), "a");
    EXPECT_EQ(cp932::cut(text, 3), "a日");
    EXPECT_EQ(cp932::cut(text, 4), "a日");
    EXPECT_EQ(cp932::cut(text, 10), text);
    // Half-width katakana are one byte each, though three in UTF-8.
    EXPECT_EQ(cp932::cut("ｱｲｳ", 2), "ｱｲ");
    EXPECT_EQ(cp932::cutLength("ｱｲｳ", 3), 9u);
    // A character without a form counts two bytes, an emoji as an accented letter.
    const std::string only = "\u00E9\U0001F600\u20AC"; // é😀€
    EXPECT_EQ(cp932::cut(only, 1), "");
    EXPECT_EQ(cp932::cut(only, 3), "\u00E9");
    EXPECT_EQ(cp932::cut(only, 5), "\u00E9\U0001F600");
    EXPECT_EQ(cp932::cut(only, 6), only);
    EXPECT_EQ(cp932::cut("a" + only, 4), "a\u00E9");
}
