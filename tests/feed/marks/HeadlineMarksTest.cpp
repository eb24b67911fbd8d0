#include "feed/marks/HeadlineMarks.h"
#include "feed/RotationFixture.h"
#include "feed/marks/WordFilter.h"

#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kMark = 0x000000FF;
constexpr std::uint32_t kNew = 0x00FFFF00;

ArticleRecord article(const char* utf8Title, const char* utf8Description = " ") {
    return {std::string(utf8Title), "http://x/", std::string(utf8Description)};
}

TEST(WordFilter, MatchesTitleOrDescriptionAcrossCaseAndWidth) {
    WordFilter filter;
    filter.setMuteWords("ad, ｶﾞｲﾄﾞ ,,　,ＰＲ");
    EXPECT_TRUE(filter.mutes(article("ＡＤ特集")));
    EXPECT_TRUE(filter.mutes(article("新しいガイド")));
    EXPECT_TRUE(filter.mutes(article("今日の話題", "[pr] 提供")));
    EXPECT_TRUE(filter.mutes(article("Ad")));
    EXPECT_FALSE(filter.mutes(article("今日の話題", "ガイ")));
    EXPECT_FALSE(filter.marks(article("ＡＤ特集"))); // the other list is empty

    filter.setMarkWords("ＬＩＮＵＸ");
    EXPECT_TRUE(filter.marks(article("linux 6.0")));
    // Blank words match nothing, not everything.
    filter.setMuteWords(" ,　, ");
    EXPECT_FALSE(filter.mutes(article("anything")));
}

// The rotation asking the word filter and the memory of shown headlines.
class MarkedRotation : public Rotation {
protected:
    MarkedRotation() {
        colours.mark = kMark;
        colours.newHeadline = kNew;
        rotation.setMarks(&marks);
    }

    HeadlineMarks marks{colours};
};

TEST_F(MarkedRotation, MutedArticlesNeverReachTheSignAndMarkedTitlesStandOut) {
    addFeed("A", "○",
            item("one") + item("ＡＤ two") + item("three", "a linux story") + item("four", "ad") +
                item("five"));
    addFeed("B", "○", item("ad only"));
    marks.filter().setMuteWords("ad");
    marks.filter().setMarkWords("LINUX,five");
    choices.main = 1;
    startWithWelcome();
    runLines(9);
    const std::vector<ShownLine> expected{
        {"welcome", kArticle}, {"【 A 】", kTitle},
        {"●one", kArticle},    {" ", kDescription},
        {"●three", kMark},     {"　　［  a linux story  ］", kDescription},
        {"●five", kMark},      {" ", kDescription},
        {"【 B 】", kTitle}, // its only article is muted
    };
    EXPECT_EQ(std::vector<ShownLine>(shown.begin(), shown.begin() + 9), expected);
    runLines(10);
    EXPECT_EQ(shown[9].text, "【 A 】");
}

TEST_F(MarkedRotation, NewHeadlinesAreLitOnceAndOnlyTheItemAFeedGainsIsNew) {
    const auto feed = [this](const std::string& items) {
        dir.write("A.xml", "<rss><channel><title>Channel A</title>" + items + "</channel></rss>");
    };
    feed(item("one") + item("two", "linux"));
    feeds.append({"A", "file://" + dir.file("A.xml"), "○"});
    marks.setNewMark(true);
    marks.filter().setMarkWords("linux");
    startWithWelcome();
    runLines(10);
    const std::vector<ShownLine> firstTwoPasses{
        {"welcome", kArticle}, {"【 A 】", kTitle}, {"●one", kNew},      {" ", kDescription},
        {"●two", kMark},       {" ", kDescription}, {"【 A 】", kTitle}, {"●one", kArticle},
        {" ", kDescription},   {"●two", kMark}, // a marked headline keeps the mark colour
    };
    EXPECT_EQ(std::vector<ShownLine>(shown.begin(), shown.begin() + 10), firstTwoPasses);

    // What was shown is remembered across a restart; the feed then gains one item.
    const std::string seenFile = dir.file("seen.txt");
    ASSERT_TRUE(marks.seen().save(seenFile).ok());
    HeadlineMarks restarted(colours);
    restarted.seen().load(seenFile);
    restarted.setNewMark(true);
    rotation.setMarks(&restarted);
    feed(item("zero") + item("one") + item("two"));
    runLines(20);
    EXPECT_EQ(std::vector<ShownLine>(shown.begin() + 12, shown.begin() + 18),
              (std::vector<ShownLine>{{"●zero", kNew},
                                      {" ", kDescription},
                                      {"●one", kArticle},
                                      {" ", kDescription},
                                      {"●two", kArticle},
                                      {" ", kDescription}}));
}

TEST_F(MarkedRotation, ANewMarkedHeadlineIsAnnouncedOnceAndOnlyWhenChosen) {
    addFeed("A", "○", item("one") + item("two linux") + item("three linux"));
    marks.filter().setMarkWords("linux");
    std::vector<std::string> announced;
    marks.setAnnounce(
        [&](const std::string& feed, const std::string& headline, const std::string& link,
            const std::string&) { announced.push_back(feed + "|" + headline + "|" + link); });
    marks.seen().see("http://x/three linux"); // shown in an earlier run
    marks.setNotify(true);
    startWithWelcome();
    runLines(14); // two passes over the feed
    EXPECT_EQ(announced, (std::vector<std::string>{"A|two linux|http://x/two linux"}));

    addFeed("B", "○", item("four linux"));
    marks.setNotify(false);
    runLines(24);
    EXPECT_EQ(announced.size(), 1u);
}

TEST(SeenHeadlines, KeepsTheTenThousandShownLastAndReplacesItsFileWhole) {
    TempDir dir;
    SeenHeadlines seen;
    for (std::size_t i = 0; i < SeenHeadlines::capacity + 5; ++i)
        EXPECT_TRUE(seen.see("http://x/" + std::to_string(i)));
    EXPECT_FALSE(seen.see("http://x/5")); // shown again: now the most recent
    EXPECT_TRUE(seen.see("http://x/new"));
    EXPECT_EQ(seen.size(), SeenHeadlines::capacity);
    EXPECT_FALSE(seen.contains("http://x/4"));
    EXPECT_FALSE(seen.contains("http://x/6")); // the oldest went, not the one shown again
    EXPECT_TRUE(seen.contains("http://x/5"));

    const std::string path = dir.file("seen.txt");
    ASSERT_TRUE(seen.save(path).ok());
    const std::string written = dir.read("seen.txt");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'),
              static_cast<long>(SeenHeadlines::capacity));
    EXPECT_EQ(written.rfind("http://x/7\r\n", 0), 0u);

    SeenHeadlines loaded;
    loaded.load(path);
    EXPECT_EQ(loaded.size(), SeenHeadlines::capacity);
    EXPECT_TRUE(loaded.contains("http://x/5"));
    EXPECT_FALSE(loaded.see("http://x/new"));

    // A save cut short, as on a full disk, leaves the old file as it was.
    SeenHeadlines other;
    other.see("http://y/");
    Outcome failed;
    {
        FileSizeLimit limit(4);
        failed = other.save(path);
    }
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(dir.read("seen.txt"), written);

    // A character without a code page 932 form has a code for this run only: the file keeps
    // the character itself.
    const std::string cafe = "http://x/Café";
    SeenHeadlines accented;
    accented.see(cafe);
    ASSERT_TRUE(accented.save(path).ok());
    EXPECT_EQ(dir.read("seen.txt"), "http://x/Caf&#233;\r\n");
    loaded.load(path);
    EXPECT_TRUE(loaded.contains(cafe));

    // Long titles of characters that the file keeps as references ("&#127881;", nine bytes
    // for two) could pass the size a load reads: the file keeps the most recent that fit.
    SeenHeadlines party;
    std::string title;
    for (int i = 0; i < 2040; ++i)
        title += "\U0001F389";
    constexpr int shown = 4000;
    for (int i = 0; i < shown; ++i)
        party.see(std::to_string(i) + title);
    ASSERT_TRUE(party.save(path).ok());
    loaded.load(path);
    EXPECT_GT(loaded.size(), 1000u);
    EXPECT_LT(loaded.size(), std::size_t(shown));
    EXPECT_TRUE(loaded.contains(std::to_string(shown - 1) + title));
    EXPECT_FALSE(loaded.contains("0" + title));

    // A headline without a link is known by its title.
    EXPECT_EQ(SeenHeadlines::keyOf({"title", " ", " "}), "title");
    EXPECT_EQ(SeenHeadlines::keyOf({"title", "http://z/", " "}), "http://z/");
}

} // namespace
