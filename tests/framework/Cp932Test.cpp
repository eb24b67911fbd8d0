#include "framework/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const std::string shown = "\x81\x9B";  // ○
    const std::string hidden = "\x81\x7E"; // ×
    EXPECT_EQ(cp932::toUtf8(shown), "\xE2\x97\x8B");
    EXPECT_EQ(cp932::toUtf8(hidden), "\xC3\x97");
    EXPECT_EQ(cp932::fromUtf8("\xE2\x97\x8B"), shown);
    const std::string mixed = cp932::fromUtf8("abc \xE6\x97\xA5\xE6\x9C\xAC 123");
    EXPECT_EQ(mixed, "abc \x93\xFA\x96\x7B 123");
    EXPECT_EQ(cp932::fromQString(cp932::toQString(mixed)), mixed);
}

TEST(Cp932, CharactersWithoutAFormBecomeQuestionMarks) {
    // U+00E9 has no code page 932 form; an emoji is a surrogate pair and becomes one "?".
    EXPECT_EQ(cp932::fromUtf8("caf\xC3\xA9!"), "caf?!");
    EXPECT_EQ(cp932::fromUtf8("a\xF0\x9F\x98\x80z"), "a?z");
    // A lone lead byte at the end cannot be decoded.
    EXPECT_EQ(cp932::toUtf8("ab\x93"), "ab?");
}

TEST(Cp932, CutNeverSplitsATwoByteCharacter) {
    const std::string text = "a\x93\xFA\x96\x7B"; // a日本
    EXPECT_EQ(cp932::cut(text, 2), "a");
    EXPECT_EQ(cp932::cut(text, 3), "a\x93\xFA");
    EXPECT_EQ(cp932::cut(text, 4), "a\x93\xFA");
    EXPECT_EQ(cp932::cut(text, 10), text);
    // Half-width katakana (0xA1-0xDF) are one byte each.
    EXPECT_EQ(cp932::cut("\xB1\xB2\xB3", 2), "\xB1\xB2");
}
