#include "app/OpmlFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

FeedEntry feed(const std::string& utf8Title, const std::string& uri,
               const std::string& shown = "") {
    return {std::string(utf8Title), uri, shown};
}

} // namespace

TEST(OpmlFile, FlattensNestedFoldersAndTakesTheTitleElseTheText) {
    const auto feeds = OpmlFile::parse(R"(<?xml version="1.0" encoding="UTF-8"?>
<opml version="1.0"><head><title>mine</title></head><body>
  <outline text="ニュース" title="ニュース">
    <outline text="text only" type="rss" xmlUrl="http://a.example/rss"/>
    <outline text="Folder"><outline title="深い &amp; 題" text="ignored" xmlURL=" http://b.example/atom "/></outline>
  </outline>
  <outline text="not a feed" htmlUrl="http://c.example/"/>
  <outline text="again" xmlUrl="http://a.example/rss"/>
</body></opml>)");
    ASSERT_TRUE(feeds);
    EXPECT_EQ(*feeds, (std::vector<FeedEntry>{feed("text only", "http://a.example/rss"),
                                              feed("深い & 題", "http://b.example/atom"),
                                              feed("again", "http://a.example/rss")}));
}

TEST(OpmlFile, ExportThenImportGivesTheSameList) {
    const std::vector<FeedEntry> entries{
        feed("東京 <&> \"news\"", "http://a.example/rss?x=1&y=2", "\x81\x9B"),
        feed("", "http://", "\x81\x7E"), feed("Café 🎉", "http://b.example/", "")};
    TempDir dir;
    const std::string path = dir.file("feeds.opml");
    ASSERT_TRUE(OpmlFile::write(path, entries).ok());
    const OpmlFile::Loaded loaded = OpmlFile::read(path);
    ASSERT_TRUE(loaded.outcome.ok());
    ASSERT_EQ(loaded.feeds.size(), 3u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(loaded.feeds[i].title, entries[i].title);
        EXPECT_EQ(loaded.feeds[i].uri, entries[i].uri);
    }
    EXPECT_NE(OpmlFile::format(entries).find(R"(type="rss")"), std::string::npos);
    // The export writes the characters themselves.
    EXPECT_NE(OpmlFile::format(entries).find(R"(title="Café 🎉")"), std::string::npos);
    EXPECT_EQ(OpmlFile::format(entries).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
}

TEST(OpmlFile, AnythingElseIsRefusedWithAMessage) {
    for (const std::string text : {"", "<rss><outline xmlUrl='http://x/'/></rss>",
                                   "<opml><body><outline xmlUrl='http://x/'>", "not xml at all"})
        EXPECT_FALSE(OpmlFile::parse(text)) << text;

    TempDir dir;
    dir.write("broken.opml", "<opml><body><outline xmlUrl='http://x/'>");
    const OpmlFile::Loaded broken = OpmlFile::read(dir.file("broken.opml"));
    EXPECT_FALSE(broken.outcome.ok());
    EXPECT_TRUE(broken.feeds.empty());
    EXPECT_FALSE(OpmlFile::read(dir.file("missing.opml")).outcome.ok());
    EXPECT_FALSE(OpmlFile::write(dir.file("no/such/dir/out.opml"), {}).ok());
}
