#include "feed/StoreLines.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// Test data in other encodings, made from UTF-8 text.
std::string encoded(const std::string& utf8, const char* encoding) {
    iconv_t cd = iconv_open(encoding, "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << encoding;
    std::string out(utf8.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* at = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(cd, &in, &inLeft, &at, &outLeft), static_cast<std::size_t>(-1)) << encoding;
    iconv(cd, nullptr, nullptr, &at, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// Kanji, kana, a long vowel mark, the wave dash (shown in its code page 932 form) and an
// entity.
const std::string rss = "<rss><channel><title>日本のニュース</title><item><title>東京〜大阪 "
                        "カタカナー &amp; ひらがな</title><link>http://example.jp/1</link>"
                        "<description>説明</description></item><item><title>二番目</title>"
                        "</item></channel></rss>";

const Lines expected{"日本のニュース| | ",
                     "東京〜大阪 カタカナー & ひらがな|http://example.jp/1|説明", "二番目| | "};
// Code page 932 and its kin read their wave dash as the full-width tilde, as Windows does.
const Lines expectedJis{"日本のニュース| | ",
                        "東京～大阪 カタカナー & ひらがな|http://example.jp/1|説明", "二番目| | "};

struct Served {
    const char* name;
    std::string body;
    std::string contentType;
    bool jis = false;
};

} // namespace

TEST(FeedEncoding, TheSameHeadlinesInEveryEncoding) {
    const std::vector<Served> table{
        {"UTF-8", rss, "text/xml"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + rss, "text/xml; charset=Shift_JIS"},
        {"Shift_JIS", encoded(rss, "SHIFT_JIS"), "application/rss+xml; charset=Shift_JIS", true},
        {"CP932 quoted", encoded(rss, "CP932"), "text/xml;charset=\"windows-31j\"", true},
        {"EUC-JP", encoded(rss, "EUC-JP"), "text/xml; Charset=EUC-JP", true},
        {"ISO-2022-JP", encoded(rss, "ISO-2022-JP"), "text/xml; charset=iso-2022-jp"},
        {"UTF-16 LE with a mark", "\xFF\xFE" + encoded(rss, "UTF-16LE"), ""},
        {"UTF-16 BE with a mark", "\xFE\xFF" + encoded(rss, "UTF-16BE"),
         "text/xml; charset=EUC-JP"},
        {"declared", encoded("<?xml version='1.0' encoding='Shift_JIS'?>" + rss, "SHIFT_JIS"), "",
         true},
    };
    for (const Served& served : table)
        EXPECT_EQ(composedRecords(served.body, served.contentType),
                  served.jis ? expectedJis : expected)
            << served.name;
}

TEST(FeedEncoding, TheAnswersCharsetOverridesTheDeclaration) {
    const std::string declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + rss;
    EXPECT_EQ(composedRecords(encoded(declared, "EUC-JP"), "text/xml; charset=EUC-JP"),
              expectedJis);
    // A name iconv does not know, or one with options attached, is read as UTF-8.
    EXPECT_EQ(composedRecords(rss, "text/xml; charset=x-no-such-encoding"), expected);
    EXPECT_EQ(composedRecords(encoded("<?xml version='1.0' encoding='klingon'?>" + rss, "UTF-8")),
              expected);
    EXPECT_EQ(composedRecords(rss, "text/xml; charset=SHIFT_JIS//IGNORE"), expected);
}

TEST(FeedEncoding, VendorCharactersAndBrokenBytes) {
    // Circled one and Roman numeral one (NEC rows of code page 932) in a Shift_JIS feed.
    EXPECT_EQ(composedRecords("<title>\x87\x40\x87\x54</title>", "text/xml; charset=Shift_JIS"),
              Lines{"①Ⅰ| | "});
    // A byte that does not decode is one "?" (shown as "～"), and the rest stands.
    EXPECT_EQ(composedRecords("<title>\x93\xFA\xFF\x96\x7B</title><title>b\x82</title>",
                              "text/xml; charset=Shift_JIS"),
              (Lines{"日～本| | ", "b～| | "}));
    // "]" is also the second byte of "‐", which therefore cannot end a CDATA section.
    EXPECT_EQ(composedRecords("<title><![CDATA[\x81\x5D]>x]]></title>", "text/xml; charset=sjis"),
              Lines{"‐]>x| | "});
    // A character beyond the BMP from UTF-16 stands; a NUL ends the text.
    EXPECT_EQ(composedRecords("\xFF\xFE" + encoded("<title>a😀b</title>", "UTF-16LE") +
                              std::string("\0\0<title>c", 10)),
              Lines{"a😀b| | "});
}

TEST(FeedEncoding, UserDefinedAreaOfAShiftJisFeedIsPrivateUseAsAUtf8FeedsIs) {
    // The first and last codes of the area are the private use characters that code page 932
    // defines for them, shown as they are, as the same characters from a UTF-8 feed.
    EXPECT_EQ(composedRecords("<title>\xF0\x40\xF9\xFC</title>", "text/xml; charset=Shift_JIS"),
              Lines{"\uE000\uE757| | "});
    EXPECT_EQ(composedRecords("<title>\uE000\uE757</title>"), Lines{"\uE000\uE757| | "});
}
