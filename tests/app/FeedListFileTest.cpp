#include "app/FeedListFile.h"
#include "framework/text/Cp932.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

const std::string kShown(feedmark::Shown);
const std::string kHidden(feedmark::Hidden);
// The same marks as news.csv holds them.
const std::string kShownBytes = "\x81\x9B";
const std::string kHiddenBytes = "\x81\x7E";

std::vector<FeedEntry> loadBytes(const TempDir& dir, const std::string& bytes) {
    dir.write("news.csv", bytes);
    return FeedListFile::read(dir.file("news.csv")).entries;
}

} // namespace

TEST(FeedListFileRead, WellFormedLinesRoundTripByteForByte) {
    TempDir dir;
    const std::string file = cp932::fromUtf8("日本のニュース,http://example.jp/rss,○\r\n"
                                             "English,http://example.com/feed.xml,×\r\n"
                                             ",http://,\r\n"
                                             "English,http://example.com/feed.xml,×\r\n");
    dir.write("news.csv", file);
    const FeedListFile::Loaded loaded = FeedListFile::read(dir.file("news.csv"));
    ASSERT_TRUE(loaded.present);
    ASSERT_EQ(loaded.entries.size(), 4u); // the duplicate stays
    EXPECT_EQ(loaded.entries[0].shown, kShown);
    EXPECT_EQ(loaded.entries[1].shown, kHidden);
    EXPECT_EQ(loaded.entries[2], (FeedEntry{"", "http://", ""}));
    ASSERT_TRUE(FeedListFile::write(dir.file("copy.csv"), loaded.entries).ok());
    EXPECT_EQ(dir.read("copy.csv"), file);
}

TEST(FeedListFileRead, EveryLineEndAndAMissingFinalBreakGiveTheSameEntries) {
    TempDir dir;
    const std::vector<FeedEntry> expected = {{"a", "http://a/", kShown},
                                             {"b", "http://b/", kHidden}};
    const std::string a = "a,http://a/," + kShownBytes;
    const std::string b = "b,http://b/," + kHiddenBytes;
    EXPECT_EQ(loadBytes(dir, a + "\r\n" + b + "\r\n"), expected);
    EXPECT_EQ(loadBytes(dir, a + "\n" + b + "\n"), expected);
    EXPECT_EQ(loadBytes(dir, a + "\r" + b), expected);
    EXPECT_EQ(loadBytes(dir, a + "\r\n" + b), expected);

    // LF-only files are written back with CR LF.
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), expected).ok());
    EXPECT_EQ(dir.read("news.csv"), a + "\r\n" + b + "\r\n");
}

TEST(FeedListFileRead, SplitsAtEveryCommaWithMissingFieldsEmpty) {
    TempDir dir;
    const auto entries = loadBytes(dir, "t,u,f,extra,more\r\njust a title\r\n\r\nt,u\r\n,,\r\n");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], (FeedEntry{"t", "u", "f"}));
    EXPECT_EQ(entries[1], (FeedEntry{"just a title", "", ""}));
    EXPECT_EQ(entries[2], (FeedEntry{"", "", ""}));
    EXPECT_EQ(entries[3], (FeedEntry{"t", "u", ""}));
    EXPECT_EQ(entries[4], (FeedEntry{"", "", ""}));

    // The fourth field is lost at the next save.
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), {entries[0]}).ok());
    EXPECT_EQ(dir.read("news.csv"), "t,u,f\r\n");
}

TEST(FeedListFileRead, UsesOnlyTheFirst4096BytesOfALine) {
    TempDir dir;
    const std::string longTitle(5000, 't');
    auto entries = loadBytes(dir, longTitle + ",http://lost/," + kShown + "\r\nnext,u,f\r\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (FeedEntry{std::string(4096, 't'), "", ""}));
    EXPECT_EQ(entries[1], (FeedEntry{"next", "u", "f"}));

    // The cut does not leave half of a two-byte character.
    entries = loadBytes(dir, std::string(4095, 'a') + "\x93\xFA" + "b");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, std::string(4095, 'a'));

    entries = loadBytes(dir, std::string(4090, 'a') + ",uri,f");
    EXPECT_EQ(entries[0], (FeedEntry{std::string(4090, 'a'), "uri", "f"}));
}

TEST(FeedListFileRead, AMissingFileDiffersFromAnEmptyOne) {
    TempDir dir;
    const FeedListFile::Loaded missing = FeedListFile::read(dir.file("news.csv"));
    EXPECT_FALSE(missing.present);
    EXPECT_TRUE(missing.entries.empty());

    dir.write("news.csv", "");
    const FeedListFile::Loaded empty = FeedListFile::read(dir.file("news.csv"));
    EXPECT_TRUE(empty.present);
    EXPECT_TRUE(empty.entries.empty());

    // A directory in place of the file cannot be read as one.
    ASSERT_TRUE(std::filesystem::create_directory(dir.file("dir.csv")));
    EXPECT_FALSE(FeedListFile::read(dir.file("dir.csv")).present);
}

TEST(FeedListFileWrite, AnEmptyListIsAZeroByteFile) {
    TempDir dir;
    dir.write("news.csv", "old,entry,x\r\n");
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), {}).ok());
    EXPECT_EQ(dir.read("news.csv"), "");
    const FeedListFile::Loaded loaded = FeedListFile::read(dir.file("news.csv"));
    EXPECT_TRUE(loaded.present);
    EXPECT_TRUE(loaded.entries.empty());
}

TEST(FeedListFileWrite, LineBreaksInsideAFieldCannotSplitTheEntry) {
    TempDir dir;
    const std::vector<FeedEntry> entries = {{"two\r\nlines", "http://a/\n", kShown}};
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), entries).ok());
    EXPECT_EQ(dir.read("news.csv"), "two  lines,http://a/ ," + kShownBytes + "\r\n");
    EXPECT_EQ(FeedListFile::read(dir.file("news.csv")).entries.size(), 1u);
}

TEST(FeedListFileWrite, ACommaInsideAFieldCannotShiftTheFieldsAfterIt) {
    // A title typed or imported with a comma used to push the URI into the flag field on
    // the next load, and the feed was lost.
    const std::vector<FeedEntry> entries = {{"News, Japan", "http://a/?q=1,2", kShown}};
    const std::string text = FeedListFile::format(entries);
    EXPECT_EQ(text, "News\x81\x43 Japan,http://a/?q=1%2C2," + kShownBytes + "\r\n");
    const std::vector<FeedEntry> back = FeedListFile::parse(text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].uri, "http://a/?q=1%2C2");
    EXPECT_EQ(back[0].shown, kShown);
    EXPECT_EQ(FeedListFile::format(back), text);
}

TEST(FeedListFileWrite, FailuresNameTheFileAndKeepTheOldOne) {
    TempDir dir;
    const std::vector<FeedEntry> entries = {{"t", "u", kShown}};
    dir.write("file", "");
    const std::string unreachable = dir.file("file") + "/news.csv";
    const Outcome failed = FeedListFile::write(unreachable, entries);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error, std::string("ファイル " + unreachable + " を作成できません"));

    const std::string old = "old,http://old/," + kShown + "\r\n";
    dir.write("news.csv", old);
    ASSERT_EQ(::chmod(dir.file("news.csv").c_str(), 0444), 0);
    EXPECT_FALSE(FeedListFile::write(dir.file("news.csv"), entries).ok());
    EXPECT_EQ(dir.read("news.csv"), old);
    ASSERT_EQ(::chmod(dir.file("news.csv").c_str(), 0644), 0);

    // A save cut short (as by a full disk) leaves the complete old list, never a part.
    std::vector<FeedEntry> many(200, FeedEntry{"title", "http://example.com/rss", kShown});
    {
        FileSizeLimit limit(1024);
        EXPECT_FALSE(FeedListFile::write(dir.file("news.csv"), many).ok());
    }
    EXPECT_EQ(dir.read("news.csv"), old);
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), many).ok());
    EXPECT_EQ(FeedListFile::read(dir.file("news.csv")).entries, many);
}

TEST(FeedListFileRead, CharactersBeyondCodePage932AreReferencesInTheFile) {
    TempDir dir;
    // A title with é and 🎉; text that only looks like references (an escaped "&", a hex
    // reference, one to a character with a form, an entity); a private use character of the
    // user-defined area in its own bytes.
    const std::string file = cp932::fromUtf8("Caf&#233; &#127881;,http://x/caf&#233;,○\r\n"
                                             "&#38;#233; &#xE9; &#65; &eacute; &#38;x,u,×\r\n") +
                             "\xF0\x40,u2,x\r\n";
    dir.write("news.csv", file);
    const std::vector<FeedEntry> entries = FeedListFile::read(dir.file("news.csv")).entries;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].title, "Caf\u00E9 \U0001F389");
    EXPECT_EQ(entries[0].uri, "http://x/caf\u00E9");
    EXPECT_EQ(entries[1].title, "&#233; &#xE9; &#65; &eacute; &#38;x");
    EXPECT_EQ(entries[2].title, "\uE000");
    ASSERT_TRUE(FeedListFile::write(dir.file("copy.csv"), entries).ok());
    EXPECT_EQ(dir.read("copy.csv"), file);

    // The cut at 4096 bytes counts each such character as two and never splits one.
    std::string line = "a";
    for (int i = 0; i < 2048; ++i)
        line += "&#233;";
    line += ",u,f\r\n";
    const std::vector<FeedEntry> cut = loadBytes(dir, line);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].title, std::string("a").append(QString(2047, QChar(0xE9)).toStdString()));
}
