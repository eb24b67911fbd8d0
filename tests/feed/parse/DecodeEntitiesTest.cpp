#include "feed/parse/DecodeEntities.h"
#include "feed/parse/DescriptionCleaner.h"

#include <gtest/gtest.h>

namespace {
const std::string wave = "～";
const std::string fullBang = "！？";
} // namespace

TEST(DecodeEntities, ReplacesInTheFixedOrder) {
    EXPECT_EQ(DecodeEntities("Q&amp;A?"), "Q&A" + wave);
    EXPECT_EQ(DecodeEntities("Why!?"), "Why" + fullBang);
    EXPECT_EQ(DecodeEntities("&quot;x&quot; &apos;y&apos;"), "\"x\" ’y’");
    // Decoded twice where a later pattern sees an earlier result ...
    EXPECT_EQ(DecodeEntities("&amp;lt;b&amp;gt;"), "<b>");
    EXPECT_EQ(DecodeEntities("&amp;apos;"), "’");
    // ... but not where the earlier pattern comes first.
    EXPECT_EQ(DecodeEntities("&amp;quot;"), "&quot;");
    EXPECT_EQ(DecodeEntities("&amp;amp;"), "&amp;");
    EXPECT_EQ(DecodeEntities("??"
                             "!?"),
              wave + wave + fullBang);
}

TEST(DecodeEntities, DecodesCharacterReferencesToTheirCharacters) {
    EXPECT_EQ(std::string(DecodeEntities("Caf&#233; &eacute;t&eacute; &#x1F389;&#X41;")),
              "Caf\u00E9 \u00E9t\u00E9 \U0001F389A");
    // Escaped once more, as HTML in a feed's text is, it decodes too; a kanji keeps its form.
    EXPECT_EQ(DecodeEntities("&amp;#26085;&amp;euro;"), "\u65E5\u20AC");
    EXPECT_EQ(std::string(DecodeEntities("&Sigma;&omega;&diams;&hArr;&yuml;&nbsp;&euro;")),
              "\u03A3\u03C9\u2666\u21D4\u00FF \u20AC");
    // A reference to "?" is a question mark, which becomes the wave dash.
    EXPECT_EQ(DecodeEntities("&#63;"), wave);
}

TEST(DecodeEntities, LeavesOtherEntitiesAndCaseVariants) {
    EXPECT_EQ(DecodeEntities("&AMP; &Lt; &eAcute; &#0; &#9; &#xD800; &#1114112; &#12a; &#; &x;"),
              "&AMP; &Lt; &eAcute; &#0; &#9; &#xD800; &#1114112; &#12a; &#; &x;");
    EXPECT_EQ(DecodeEntities(""), "");
    // Two-byte characters around and between the patterns are untouched.
    const std::string japanese = "\xE6\x97\xA5&lt;\xE3\x82\xBD";
    EXPECT_EQ(DecodeEntities(japanese), "\xE6\x97\xA5<\xE3\x82\xBD");
}

// A reference's ";" is looked for only as far as the longest name reaches, so a hostile run
// of "&" costs no more than its length; the longest names still decode.
TEST(DecodeEntities, FindsReferencesOnlyWithinTheLongestNameAfterAnyRunOfAmpersands) {
    std::string run;
    for (int i = 0; i < 50'000; ++i)
        run += "&a";
    EXPECT_EQ(DecodeEntities(run + "&thetasym;&#00000233;&#000000233;"),
              run + "\u03D1\u00E9&#000000233;");
    EXPECT_EQ(DecodeEntities("&&eacute;&amp&eacute; &eacute"), "&\u00E9&amp\u00E9 &eacute");
}

TEST(DescriptionCleaner, TurnsEscapedHtmlIntoTextForTheSign) {
    EXPECT_EQ(cleanDescription("&lt;p&gt;Hello &lt;a href=\"x\"&gt;link&lt;/a&gt;&lt;br /&gt;"
                               "world&lt;img src=\"y\" /&gt;&lt;/p&gt;"),
              "<p>Hello link world</p>");
}

TEST(DescriptionCleaner, DropsEveryLinkAndImageTag) {
    std::string description;
    std::string expected;
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        description += "<a href=\"" + n + "\">" + n + "</a><IMG src=\"" + n + "\"><A title=x>";
        expected += n;
    }
    EXPECT_EQ(cleanDescription(description), expected);
    // An unclosed tag runs to the next "<" or the end.
    EXPECT_EQ(cleanDescription("x<img src=y<b>z<a href"), "x<b>z");
}

TEST(DescriptionCleaner, KeepsAllOtherMarkup) {
    EXPECT_EQ(cleanDescription("a<BR>b<br/>c<br />d<BR />e"), "a<BR>b<br/>c d<BR />e");
    EXPECT_EQ(cleanDescription("<abbr>x</abbr></A><image><!-- c -->"),
              "<abbr>x</abbr></A><image><!-- c -->");
    EXPECT_EQ(cleanDescription("<a\thref=x>y"), "<a\thref=x>y");
    EXPECT_EQ(cleanDescription("1 > 0 &gt; -1"), "1 > 0 > -1");
    EXPECT_EQ(cleanDescription(""), "");
}
