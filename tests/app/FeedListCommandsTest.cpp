#include "app/FeedListCommands.h"
#include "app/FeedList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// One column of the list as the dialog shows it.
std::vector<std::string> column(const FeedList& feeds, int which) {
    std::vector<std::string> values;
    for (int row = 0; row < feeds.count(); ++row)
        values.push_back(feeds.data(feeds.index(row, which)).toString().toStdString());
    return values;
}

class FeedListCommandsTest : public ::testing::Test {
protected:
    void add(const char* title, const char* uri, const char* shown = "○") {
        feeds.append({std::string(title), uri, std::string(shown)});
    }
    FeedList feeds;
    FeedListCommands commands{feeds};
};

TEST_F(FeedListCommandsTest, RegisterKeepsWhatIsTypedButWhatNewsCsvCannotHold) {
    commands.registerFeed("", "http://");
    commands.registerFeed("A,B\r\n日本", "http://x/?a=1,2\n");
    commands.registerFeed("dup", "http://");
    ASSERT_EQ(feeds.count(), 3);
    EXPECT_EQ(feeds.entry(0), (FeedEntry{"", "http://", "○"}));
    EXPECT_EQ(std::string(feeds.entry(1).title), "A，B日本");
    EXPECT_EQ(feeds.entry(1).uri, "http://x/?a=1%2C2");
    EXPECT_EQ(feeds.entry(2).uri, "http://");
}

TEST_F(FeedListCommandsTest, ToggleCopyAndDeleteAndTheAnnouncementFeed) {
    add("a", "http://a/", "");
    commands.toggleShown(0);
    EXPECT_EQ(column(feeds, FeedList::ShownColumn), (std::vector<std::string>{"×"}));
    commands.toggleShown(0);
    EXPECT_EQ(column(feeds, FeedList::ShownColumn), (std::vector<std::string>{"○"}));
    commands.toggleShown(5); // out of range: nothing

    // A copy of a hidden row registers shown.
    commands.toggleShown(0);
    const FeedEntry copied = feeds.entry(0);
    commands.registerFeed(copied.title, copied.uri);
    EXPECT_EQ(feeds.entry(1), (FeedEntry{"a", "http://a/", "○"}));

    commands.addAnnouncement();
    commands.addAnnouncement();
    EXPECT_EQ(column(feeds, FeedList::TitleColumn),
              (std::vector<std::string>{"a", "a", "連絡", "連絡"}));
    EXPECT_EQ(feeds.entry(3).uri, "http://glowtape.example/info/rss.xml");

    for (int i = 0; i < 4; ++i)
        commands.remove(feeds.count() - 1);
    commands.remove(0);
    EXPECT_EQ(feeds.count(), 0);
}

TEST_F(FeedListCommandsTest, EachColumnAlternatesOnItsOwnAndUpperCaseIsNotLowerCase) {
    add("b", "http://2/");
    add("B", "http://3/", "×");
    add("a", "http://1/");
    add("あ", "http://0/", "×");
    const auto titles = [this] { return column(feeds, FeedList::TitleColumn); };

    commands.sortByColumn(FeedList::TitleColumn);
    const std::vector<std::string> ascending = titles();
    EXPECT_EQ(ascending, (std::vector<std::string>{"a", "b", "B", "あ"}));
    commands.sortByColumn(FeedList::TitleColumn);
    EXPECT_EQ(titles(), (std::vector<std::string>{"あ", "B", "b", "a"}));

    commands.sortByColumn(FeedList::UriColumn);
    EXPECT_EQ(column(feeds, FeedList::UriColumn),
              (std::vector<std::string>{"http://0/", "http://1/", "http://2/", "http://3/"}));
    commands.sortByColumn(FeedList::TitleColumn);
    EXPECT_EQ(titles(), ascending);

    commands.sortByColumn(FeedList::ShownColumn);
    const std::vector<std::string> flags = column(feeds, FeedList::ShownColumn);
    // Grouped: two of one flag, then two of the other.
    EXPECT_EQ(flags[0], flags[1]);
    EXPECT_EQ(flags[2], flags[3]);
    EXPECT_NE(flags[1], flags[2]);
    commands.sortByColumn(7); // no such column
    EXPECT_EQ(column(feeds, FeedList::ShownColumn), flags);
}

TEST_F(FeedListCommandsTest, OpmlImportAddsNewFeedsAsRegisteredAndExportGivesTheListBack) {
    add("held", "http://held.example/rss", "×");
    TempDir dir;
    dir.write("in.opml", R"(<?xml version="1.0" encoding="UTF-8"?>
<opml version="2.0"><body>
  <outline text="Folder"><outline text="Inner">
    <outline title="速報,号外&#13;&#10;夕刊" xmlUrl="http://a.example/rss?x=1,2"/>
  </outline></outline>
  <outline text="already held" xmlUrl="http://held.example/rss"/>
  <outline text="twice in the file" xmlUrl="http://a.example/rss?x=1,2"/>
  <outline text="b" xmlUrl="http://b.example/atom"/>
</body></opml>)");
    const FeedListCommands::Imported imported = commands.importOpml(dir.file("in.opml"));
    ASSERT_TRUE(imported.outcome.ok());
    EXPECT_EQ(imported.added, 2);
    const std::vector<FeedEntry> expected{{"held", "http://held.example/rss", "×"},
                                          {"速報，号外夕刊", "http://a.example/rss?x=1%2C2", "○"},
                                          {"b", "http://b.example/atom", "○"}};
    EXPECT_EQ(feeds.entries(), expected);

    // The same file again adds nothing; a broken one changes nothing and says why.
    EXPECT_EQ(commands.importOpml(dir.file("in.opml")).added, 0);
    dir.write("broken.opml", "<opml><body><outline xmlUrl='http://c.example/'>");
    const FeedListCommands::Imported broken = commands.importOpml(dir.file("broken.opml"));
    EXPECT_FALSE(broken.outcome.ok());
    EXPECT_EQ(feeds.entries(), expected);

    // An exported list read into an empty one gives the same titles and URIs, all shown.
    ASSERT_TRUE(commands.exportOpml(dir.file("out.opml")).ok());
    FeedList other;
    FeedListCommands otherCommands{other};
    EXPECT_EQ(otherCommands.importOpml(dir.file("out.opml")).added, 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(other.entry(row).title, expected[row].title);
        EXPECT_EQ(other.entry(row).uri, expected[row].uri);
        EXPECT_TRUE(other.isShown(row));
    }
}

} // namespace
