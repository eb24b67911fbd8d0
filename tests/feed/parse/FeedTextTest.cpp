#include "feed/StoreLines.h"

#include <gtest/gtest.h>

TEST(FeedText, StartsALineBeforeEveryTag) {
    EXPECT_EQ(tagLines("<rss><channel><title>A</title>"),
              (Lines{"", "<rss>", "<channel>", "<title>A", "</title>"}));
    EXPECT_EQ(tagLines("a<b"), (Lines{"a", "<b"}));
    EXPECT_EQ(tagLines("plain"), (Lines{"plain"}));
    EXPECT_EQ(tagLines(""), Lines{});
}

TEST(FeedText, LineBreaksOfEveryKindDisappear) {
    const Lines oneLine = tagLines("<a>x y<b>z</b>");
    EXPECT_EQ(tagLines("<a>\r\nx\r y\n<b>\n\rz</b>\r\n"), oneLine);
    EXPECT_EQ(tagLines("\r\n\n\r"), Lines{});
}

TEST(FeedText, KeepsEveryCharacterOfAUtf8Feed) {
    // 日本, a half-width katakana ｱ, é without a code page 932 form; a byte-order mark is a
    // character like any other.
    EXPECT_EQ(tagLines("<title>日本ｱ"), (Lines{"", "<title>日本ｱ"}));
    EXPECT_EQ(tagLines("caf\xC3\xA9"), (Lines{"caf\u00E9"}));
    EXPECT_EQ(tagLines("\xEF\xBB\xBF<rss>"), (Lines{"\uFEFF", "<rss>"}));
}

TEST(FeedText, TextEndsAtTheFirstNul) {
    EXPECT_EQ(tagLines(std::string("<a>x\0<b>y", 9)), (Lines{"", "<a>x"}));
    // UTF-16 text yields at most its first character.
    EXPECT_EQ(tagLines(std::string("<\0r\0s\0s\0", 8)), (Lines{"", "<"}));
}

TEST(FeedText, EachMalformedUtf8SequenceBecomesOneQuestionMark) {
    EXPECT_EQ(tagLines("<title>abc\xE3"), (Lines{"", "<title>abc?"}));
    EXPECT_EQ(tagLines("<title>\xE3\x81"), (Lines{"", "<title>?"}));
    EXPECT_EQ(tagLines("<title>\xC3<b>"), (Lines{"", "<title>?", "<b>"}));
    // A stray byte costs one character; the rest of the feed stands.
    EXPECT_EQ(tagLines("<title>a\xFF</title><title>\xE6\x97\xA5</title>"),
              (Lines{"", "<title>a?", "</title>", "<title>日", "</title>"}));
    // Shift-JIS bytes of 日本 read as UTF-8: no byte starts a sequence but "{".
    EXPECT_EQ(tagLines("<title>\x93\xFA\x96\x7B</title>"), (Lines{"", "<title>???{", "</title>"}));
    // Dropping CDATA markers does not join the halves of a broken character.
    EXPECT_EQ(tagLines("<t>\xE6<![CDATA[\x97\xA5]]>"), (Lines{"", "<t>???"}));
}

TEST(FeedText, FourByteCharactersStayAsTheyAre) {
    // An emoji and a rare CJK character (U+20BB7) next to ordinary text.
    EXPECT_EQ(tagLines("<title>a\xF0\x9F\x98\x80z\xF0\xA0\xAE\xB7!"),
              (Lines{"", "<title>a\U0001F600z\U00020BB7!"}));
    // Without its fourth byte the sequence is one "?"; a stray continuation byte after a
    // full one is malformed.
    EXPECT_EQ(tagLines("<title>a\xF0\x9F\x98"), (Lines{"", "<title>a?"}));
    EXPECT_EQ(tagLines("<title>\xF0\x9F\x98\x80\x80"), (Lines{"", "<title>\U0001F600?"}));
}

TEST(FeedText, FormIsCheckedButNothingElse) {
    // An overlong two-byte form and a three-byte surrogate half are accepted as characters.
    EXPECT_EQ(tagLines("a\xC1\x81z"), (Lines{"aAz"}));
    EXPECT_EQ(tagLines("a\xED\xA0\x80z"), (Lines{"a?z"}));
}

TEST(FeedText, CdataReadsLikeItsEscapedTwin) {
    EXPECT_EQ(tagLines("<title><![CDATA[News]]></title>"), tagLines("<title>News</title>"));
    EXPECT_EQ(tagLines("<description><![CDATA[<p>A & B</p> \xE6\x97\xA5]]></description>"),
              (Lines{"", "<description>&lt;p&gt;A &amp; B&lt;/p&gt; 日", "</description>"}));
    // Two sections on a line; an unterminated one stays as it is.
    EXPECT_EQ(tagLines("<t><![CDATA[a<]]>-<![CDATA[>b]]>"), (Lines{"", "<t>a&lt;-&gt;b"}));
    EXPECT_EQ(tagLines("<t><![CDATA[a"), (Lines{"", "<t>", "<![CDATA[a"}));
}
