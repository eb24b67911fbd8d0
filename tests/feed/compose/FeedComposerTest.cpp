#include "feed/compose/FeedComposer.h"

#include "feed/FakeFeedView.h"
#include "feed/StoreLines.h"
#include "feed/compose/LineStores.h"
#include "feed/parse/FeedText.h"
#include "framework/text/Cp932.h"

#include <gtest/gtest.h>

namespace {

const std::string openBracket = "【";
const std::string closeBracket = "】";

class FeedComposerTest : public ::testing::Test {
protected:
    void compose(const std::string& utf8Document, const std::string& title = "My feed",
                 const std::string& uri = "http://example.com/rss") {
        stores.Memo1.setSplitBefore(normaliseFeedText(utf8Document), '<');
        FeedComposer(stores, view).ComposeFeed(title, uri);
    }

    LineStores stores;
    FakeFeedView view;
};

} // namespace

TEST_F(FeedComposerTest, FillsOneRecordPerTitle) {
    compose("<title>Feed</title><link>link-1</link><description>About</description>"
            "<item><title>One &amp;amp; two</title><link>l2</link></item>");
    EXPECT_EQ(linesOf(stores.Memo2), (Lines{"Feed", "One &amp; two"}));
    EXPECT_EQ(linesOf(stores.Memo3), (Lines{"link-1", "l2"}));
    EXPECT_EQ(linesOf(stores.Memo4), (Lines{"About", " "}));
    EXPECT_EQ(stores.recordCount(), 2u);
    EXPECT_EQ(stores.record(1).title, "One &amp; two");
    // Links are opened by the rules of where the feed came from.
    EXPECT_EQ(stores.sourceUri, "http://example.com/rss");
    // Scratch stores are empty afterwards.
    EXPECT_TRUE(stores.Memo1.empty());
    EXPECT_TRUE(stores.Memo5.empty());
}

TEST_F(FeedComposerTest, MatchesTagsCaseInsensitivelyButWithoutAttributes) {
    compose("<rss><channel><TITLE>Chan<Link>http://c/?a=1&amp;b=2<DESCRIPTION>D"
            "<item><title type=\"text\">ignored<link href=\"x\"/><Title>Item<LINK>li"
            "<image><title>Logo</title></image>");
    EXPECT_EQ(linesOf(stores.Memo2), (Lines{"Chan", "Item", "Logo"}));
    // Links are kept byte for byte, entities and all.
    EXPECT_EQ(linesOf(stores.Memo3), (Lines{"http://c/?a=1&amp;b=2", "li", " "}));
    EXPECT_EQ(linesOf(stores.Memo4), (Lines{"D", " ", " "}));
}

TEST_F(FeedComposerTest, LinesBeforeTheFirstTitleBelongToTheChannel) {
    compose("<link>early<link>later<description>first<description>second"
            "<title>Chan<item><title>A<link>a");
    EXPECT_EQ(linesOf(stores.Memo3), (Lines{"later", "a"}));
    EXPECT_EQ(linesOf(stores.Memo4), (Lines{"second", " "}));

    compose("<link>early<description>early<title>Chan<link>own<description>own");
    EXPECT_EQ(linesOf(stores.Memo3), (Lines{"own"}));
    EXPECT_EQ(linesOf(stores.Memo4), (Lines{"own"}));
}

TEST_F(FeedComposerTest, CdataTitlesAndDescriptionsShowLikeEscapedOnes) {
    compose("<title><![CDATA[News & more]]></title>"
            "<description><![CDATA[<p>Hi <a href=\"x\">there</a><br />you?</p>]]></description>");
    const std::string escaped = "<title>News &amp; more</title><description>&lt;p&gt;Hi &lt;a "
                                "href=\"x\"&gt;there&lt;/a&gt;&lt;br /&gt;you?&lt;/p&gt;"
                                "</description>";
    const ArticleRecord fromCdata = stores.record(0);
    compose(escaped);
    EXPECT_EQ(fromCdata.title, stores.record(0).title);
    EXPECT_EQ(fromCdata.description, stores.record(0).description);
    EXPECT_EQ(fromCdata.title, "News & more");
    EXPECT_EQ(fromCdata.description, "<p>Hi there you～</p>");
}

TEST_F(FeedComposerTest, CleansEveryDescription) {
    compose("<title>c<item><title>t<description>&lt;p&gt;Hello &lt;a href=\"x\"&gt;link&lt;/a&gt;"
            "&lt;br /&gt;world&lt;img src=\"y\" /&gt;&lt;/p&gt;");
    EXPECT_EQ(stores.Memo4.line(1), "<p>Hello link world</p>");
}

TEST_F(FeedComposerTest, NamesTheFeedOnTheWindow) {
    const std::string title = "\xE3\x83\x8B\xE3\x83\xA5\xE3\x83\xBC\xE3\x82\xB9";
    compose("<title>Chan</title><description>About the channel</description>", title,
            "http://n/rss");
    EXPECT_EQ(view.showStrings, (Lines{openBracket + " " + title + " " + closeBracket}));
    EXPECT_EQ(view.caption,
              "Glowtape " + openBracket + title + "：" + "http://n/rss" + closeBracket);
    EXPECT_EQ(view.trayTip, "Glowtape " + openBracket + title + closeBracket);
    EXPECT_EQ(view.dec, "About the channel");
    EXPECT_TRUE(view.menuReady);
    EXPECT_EQ(view.startShowCalls, 0);
}

TEST_F(FeedComposerTest, DescriptionLabelFallsBackToTheChannelTitle) {
    // A channel without a description has " ", which is not empty.
    compose("<title>Chan</title>");
    EXPECT_EQ(view.dec, " ");
    compose("<title>Chan</title><description></description>");
    EXPECT_EQ(view.dec, "Chan");
}

TEST_F(FeedComposerTest, AFeedWithoutTitlesLeavesEmptyStores) {
    view.showStrings = {"old line", "another"};
    compose("<feed><title type=\"text\">Atom</title><link href=\"x\"/>"
            "<description>orphan</description>");
    EXPECT_EQ(stores.recordCount(), 0u);
    EXPECT_TRUE(stores.Memo3.empty());
    EXPECT_TRUE(stores.Memo4.empty());
    EXPECT_EQ(view.dec, "");
    EXPECT_EQ(view.showStrings.size(), 1u);
    EXPECT_TRUE(view.menuReady);
}

TEST_F(FeedComposerTest, TipShowsUpTo37BytesOfTheTitle) {
    const std::string title37(37, 'x');
    compose("<title>c", title37);
    EXPECT_EQ(view.trayTip, "Glowtape " + openBracket + title37 + closeBracket);

    const std::string title38 = std::string(36, 'y') + "zz";
    compose("<title>c", title38);
    EXPECT_EQ(view.trayTip,
              "Glowtape " + openBracket + std::string(36, 'y') + "..." + closeBracket);
    EXPECT_LE(cp932::fromUtf8(view.trayTip).size(), 52u);
    // The caption and the sign keep the whole title.
    EXPECT_NE(view.caption.find(title38), std::string::npos);

    // A two-byte character across the cut is left out whole.
    const std::string japanese = std::string(35, 'j') + "日" + "jj";
    compose("<title>c", japanese);
    EXPECT_EQ(view.trayTip,
              "Glowtape " + openBracket + std::string(35, 'j') + "..." + closeBracket);
    // So is a character beyond code page 932, which counts two bytes; one that fits stays.
    const std::string accented = "\u00E9";
    compose("<title>c", std::string(35, 'k') + accented + "kk");
    EXPECT_EQ(view.trayTip,
              "Glowtape " + openBracket + std::string(35, 'k') + "..." + closeBracket);
    compose("<title>c", std::string(34, 'k') + accented + "kk");
    EXPECT_EQ(view.trayTip,
              "Glowtape " + openBracket + std::string(34, 'k') + accented + "..." + closeBracket);
}

TEST_F(FeedComposerTest, LongLinesAreReadOnlyTo4096Bytes) {
    const std::string longDescription(5000, 'd');
    compose("<title>c<description>" + longDescription + "<title>" + std::string(5000, 't'));
    EXPECT_EQ(stores.Memo4.line(0), std::string(4096 - 13, 'd'));
    EXPECT_EQ(stores.Memo2.line(1), std::string(4096 - 7, 't'));
}
