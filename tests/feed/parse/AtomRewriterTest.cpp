#include "feed/parse/AtomRewriter.h"
#include "feed/StoreLines.h"

#include <gtest/gtest.h>

namespace {

const std::string documentUri = "http://example.org/feeds/atom.xml";

} // namespace

TEST(AtomRewriter, Atom10EntriesBecomeRecords) {
    const std::string atom = R"(<?xml version="1.0" encoding="utf-8"?>
<!-- a comment first -->
<feed xmlns="http://www.w3.org/2005/Atom" xml:base="http://example.org/">
  <title type="text">Tom &amp; Jerry's news</title>
  <subtitle>All about &lt;cats&gt;</subtitle>
  <link rel="self" href="http://example.org/feed.atom"/>
  <link href="/home"/>
  <entry>
    <title type="html">&lt;b&gt;Bold&lt;/b&gt; &amp;amp; more&amp;hellip; &amp;#x65E5; &amp;unknown;</title>
    <link rel="enclosure" href="http://example.org/a.mp3"/>
    <link rel="alternate" type="text/html" href="http://example.org/2026/one"/>
    <link rel="alternate" href="http://example.org/second-alternate"/>
    <summary>Short one</summary>
    <content type="html">Long &lt;i&gt;one&lt;/i&gt;</content>
  </entry>
  <entry xml:base="news/">
    <title type="xhtml"><div xmlns="http://www.w3.org/1999/xhtml">An <b>xhtml</b> title</div></title>
    <link href="two.html?a=1&amp;b=2"/>
    <content type="xhtml"><div xmlns="http://www.w3.org/1999/xhtml"><p>Para <a href="x">link</a></p></div></content>
  </entry>
  <entry><link href="untitled"/><summary>no title, no record</summary></entry>
  <entry>
    <title><![CDATA[A <b> & B?]]></title>
    <link href="three"/>
    <content type="html"><![CDATA[<p>Hi<br />there<img src="y"/></p>]]></content>
  </entry>
</feed>)";
    EXPECT_EQ(composedRecords(atom, "application/atom+xml", documentUri),
              (Lines{
                  "Tom & Jerry's news|http://example.org/home|All about <cats>",
                  "Bold & more… 日 &unknown;|http://example.org/2026/one|Short one",
                  "An xhtml title|http://example.org/news/two.html?a=1&amp;b=2|<p>Para link</p>",
                  "A <b> & B～|http://example.org/three|<p>Hi there</p>",
              }));
}

TEST(AtomRewriter, Atom03AndRelativeLinksWithoutBase) {
    const std::string atom = R"(<feed version="0.3" xmlns="http://purl.org/atom/ns#">
  <title mode="escaped" type="text/html">Old &lt;em&gt;style&lt;/em&gt;</title>
  <tagline>A tagline</tagline>
  <link rel="alternate" type="text/html" href="index.html"/>
  <entry>
    <title>First</title>
    <link rel="alternate" type="text/html" href="../entries/1"/>
    <content type="text/html" mode="escaped">Body</content>
  </entry>
  <entry><title></title></entry>
</feed>)";
    EXPECT_EQ(composedRecords(atom, "", documentUri),
              (Lines{"Old style|http://example.org/feeds/index.html|A tagline",
                     "First|http://example.org/entries/1|Body", "| | "}));
    // A feed without a title still gives record 0, so entries keep their numbers.
    EXPECT_EQ(composedRecords("<a:feed xmlns:a='http://www.w3.org/2005/Atom'><a:entry>"
                              "<a:title>Only</a:title></a:entry></a:feed>"),
              (Lines{"| | ", "Only| | "}));
}

TEST(AtomRewriter, ADocumentThatIsNotWellFormedKeepsTheLineRules) {
    // Unclosed, and with an entity XML does not know: read by line prefixes, as before.
    for (const std::string atom : {"<feed><title>A</title><entry><title>B</title>",
                                   "<feed><title>A&nbsp;</title><entry><title>B</title></feed>"})
        EXPECT_EQ(composedRecords(atom), composedRecords("<rss>" + atom.substr(6))) << atom;
    // A title with an attribute is not found by the line rules.
    EXPECT_EQ(composedRecords("<feed><title type='text'>A</title>"), Lines{});
}

// Nesting costs the XML reader time at every level (and its own text reader a stack frame):
// markup nested deeper than any feed's is read by the line rules instead.
TEST(AtomRewriter, MarkupNestedDeeperThanAnyFeedsKeepsTheLineRules) {
    const auto nested = [](int depth) {
        std::string atom = "<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>";
        for (int i = 0; i < depth; ++i)
            atom += "<b>";
        atom += "deep";
        for (int i = 0; i < depth; ++i)
            atom += "</b>";
        return atom + "</title></entry></feed>";
    };
    EXPECT_EQ(composedRecords(nested(100)), (Lines{"| | ", "deep| | "}));
    EXPECT_FALSE(rewriteAtom(QByteArray::fromStdString(nested(200'000)), {}).has_value());
    std::string xhtml = "<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>t</title>"
                        "<content type=\"xhtml\"><div>";
    for (int i = 0; i < 2000; ++i)
        xhtml += "<i>";
    for (int i = 0; i < 2000; ++i)
        xhtml += "</i>";
    EXPECT_FALSE(
        rewriteAtom(QByteArray::fromStdString(xhtml + "</div></content></entry></feed>"), {}));
}

TEST(AtomRewriter, TheRootElementDecides) {
    EXPECT_TRUE(hasAtomRoot("\xEF\xBB\xBF<?xml version='1.0'?>\n<?xml-stylesheet href='s'?>"
                            "<!-- c --><!DOCTYPE feed [<!ENTITY e 'x'>]><feed>"));
    EXPECT_TRUE(hasAtomRoot("<atom:feed xmlns:atom='http://www.w3.org/2005/Atom'/>"));
    EXPECT_FALSE(hasAtomRoot("<rss><feed>"));
    EXPECT_FALSE(hasAtomRoot("<feedback>"));
    EXPECT_FALSE(hasAtomRoot("text <feed>"));
    EXPECT_FALSE(hasAtomRoot("<!-- unterminated <feed>"));
}

TEST(AtomRewriter, ALongBaseInheritedByManyEntriesCannotBlowUpTheText) {
    const std::string base(100'000, 'a');
    std::string atom =
        "<feed xmlns=\"http://www.w3.org/2005/Atom\" xml:base=\"http://example.org/" + base +
        "/\"><title>T</title>";
    for (int i = 0; i < 2'000; ++i)
        atom += "<entry><title>t</title><link href=\"x\"/></entry>";
    atom += "</feed>";

    const std::optional<std::string> text = rewriteAtom(QByteArray::fromStdString(atom), {});
    ASSERT_TRUE(text.has_value());
    // Unbounded, 2000 links of 100 kB each would be 200 MB.
    EXPECT_LE(text->size(), atomEntryBudget(atom.size()) + 200'000);
    EXPECT_GT(text->size(), atom.size());
    EXPECT_NE(text->find("<title>t</title><link>http://example.org/" + base + "/x</link>"),
              std::string::npos);
}
