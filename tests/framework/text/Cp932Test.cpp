#include "framework/text/Cp932.h"
#include "framework/text/Cp932Encoder.h"
#include "framework/text/Cp932ExtraCodes.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <vector>

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

TEST(Cp932, CharactersWithoutAFormTakeTwoByteCodesAndComeBack) {
    const std::string text = cp932::fromUtf8("Caf\u00E9 \U0001F389 \U00020BB7\u91CE\u5BB6 \uD55C");
    // C a f é ' ' 🎉 ' ' 𠮷 野 家 ' ' 한: each character two bytes but ASCII.
    ASSERT_EQ(text.size(), 3u + 2 + 1 + 2 + 1 + 6 + 1 + 2);
    for (const std::size_t at : {3u, 6u, 9u, 16u})
        EXPECT_TRUE(Cp932ExtraCodes::isAreaLead(static_cast<unsigned char>(text[at]))) << at;
    EXPECT_EQ(cp932::toUtf8(text), "Caf\u00E9 \U0001F389 \U00020BB7\u91CE\u5BB6 \uD55C");
    // The same character keeps its code, from UTF-16 as from UTF-8.
    EXPECT_EQ(cp932::fromQString(QString::fromUtf8("\u00E9")), text.substr(3, 2));
    // A private use character has a code as any other.
    EXPECT_EQ(cp932::toUtf8(cp932::fromUtf8("\uE000\uF8FF")), "\uE000\uF8FF");
    // A lone lead byte at the end cannot be decoded; a lone surrogate half has no character.
    EXPECT_EQ(cp932::toUtf8("ab\x93"), "ab?");
    EXPECT_EQ(cp932::fromUtf16(u"a\xD800z"), "a?z");
}

TEST(Cp932, ExtraCodesFillTheUserDefinedAreaOnceAndThenGiveNone) {
    using Code = std::array<char, 2>;
    Cp932ExtraCodes extras;
    // A private use character of the area keeps its own code while it is free; other
    // characters take codes from the top of the area down.
    EXPECT_EQ(extras.codeOf(0xE005), (Code{'\xF0', '\x45'}));
    EXPECT_EQ(extras.codeOf(0x10000), (Code{'\xF9', '\xFC'}));
    EXPECT_EQ(extras.codeOf(0xE757), (Code{'\xF9', '\xFB'})); // its own is taken
    for (char32_t c = 1; c < Cp932ExtraCodes::kCapacity - 2; ++c)
        ASSERT_TRUE(extras.codeOf(0x10000 + c));
    EXPECT_FALSE(extras.codeOf(U'\u00E9'));
    EXPECT_EQ(extras.codeOf(0x10000), (Code{'\xF9', '\xFC'}));
    EXPECT_EQ(extras.characterOf(0xF9, 0xFC), char32_t(0x10000));
    EXPECT_EQ(extras.characterOf(0xF0, 0x45), char32_t(0xE005));
    EXPECT_NE(extras.characterOf(0xF0, 0x40), 0u);
    EXPECT_EQ(extras.characterOf(0xF0, 0x7F), 0u);
    EXPECT_EQ(extras.characterOf(0xFA, 0x40), 0u);
    EXPECT_EQ(Cp932ExtraCodes::areaCode(62), (Code{'\xF0', '\x7E'}));
    EXPECT_EQ(Cp932ExtraCodes::areaCode(63), (Code{'\xF0', '\x80'}));
    std::string full;
    Cp932Encoder::instance().append(U'\u00E9', full, extras);
    EXPECT_EQ(full, "?");
}

TEST(Cp932, ThreadsAskingAtOnceGetOneCodePerCharacter) {
    Cp932ExtraCodes extras;
    std::vector<std::array<char, 2>> first(1000), second(1000);
    std::thread other([&] {
        for (char32_t c = 0; c < 1000; ++c)
            second[c] = *extras.codeOf(0x20000 + c);
    });
    for (char32_t c = 0; c < 1000; ++c)
        first[999 - c] = *extras.codeOf(0x20000 + 999 - c);
    other.join();
    EXPECT_EQ(first, second);
    std::set<std::array<char, 2>> distinct(first.begin(), first.end());
    EXPECT_EQ(distinct.size(), 1000u);
    for (char32_t c = 0; c < 1000; ++c)
        ASSERT_EQ(extras.characterOf(first[c][0], first[c][1]), 0x20000 + c);
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

TEST(Cp932, CutsCountAnExtraCharacterAsTwoBytesAndNeverSplitIt) {
    const std::string only = cp932::fromUtf8("\u00E9\U0001F600\u20AC"); // é😀€
    ASSERT_EQ(only.size(), 6u);
    EXPECT_EQ(cp932::cut(only, 1), "");
    EXPECT_EQ(cp932::cut(only, 3), only.substr(0, 2));
    EXPECT_EQ(cp932::cut(only, 5), only.substr(0, 4));
    EXPECT_EQ(cp932::cut(only, 6), only);
    const std::string mixed = "a" + only;
    EXPECT_EQ(cp932::cut(mixed, 2), "a");
    EXPECT_EQ(cp932::cut(mixed, 4), mixed.substr(0, 3));
    EXPECT_EQ(cp932::toUtf8(cp932::cut(mixed, 4)), "a\u00E9");
}
