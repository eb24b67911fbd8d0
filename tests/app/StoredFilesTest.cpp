#include "app/FeedList.h"
#include "app/FeedListCommands.h"
#include "app/FeedListFile.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingsReader.h"
#include "feed/marks/SeenHeadlines.h"
#include "feed/parse/FeedText.h"
#include "framework/files/IniFile.h"
#include "framework/text/Utf8.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

// Files written by an earlier build (tests/data/written-before): titles, paths, words and
// headlines in Japanese, half-width katakana, vendor characters, accented letters, Hangul,
// Georgian, emoji, private use characters and a typed "&#233;". Each must load and save
// back byte for byte.
namespace {

std::string writtenBefore(const std::string& name) {
    std::ifstream in(std::string(GLOWTAPE_TEST_DATA "/written-before/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Reads every value of the file and writes it back, as the key-by-key writers do.
std::string rewrittenIni(const std::string& path) {
    IniFile file(path);
    const std::string original = file.text();
    std::string section;
    std::istringstream lines(original);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.starts_with('[')) {
            section = line.substr(1, line.find(']') - 1);
        } else if (const auto equals = line.find('='); equals != std::string::npos) {
            const std::string key = line.substr(0, equals);
            file.write(section, key, *file.value(section, key));
        }
    }
    return file.text();
}

// The earlier build's settings file with the keys this build appends after the earlier ones.
std::string withNewerKeys(std::string ini) {
    const std::string lastOption = "Notify=false\r\n";
    ini.insert(ini.find(lastOption) + lastOption.size(), "Language=auto\r\n");
    return ini + "\r\n[account]\r\nservice=0\r\nserver=\r\nuser=\r\n";
}

} // namespace

TEST(StoredFiles, FilesOfAnEarlierBuildLoadAndSaveByteForByte) {
    TempDir dir;
    for (const char* name : {"news.csv", "glowtape3.ini", "data.ini", "PlugIn.ini", "seen.txt"})
        dir.write(name, writtenBefore(name));
    ASSERT_GT(dir.read("news.csv").size(), 100u);

    const FeedListFile::Loaded feeds = FeedListFile::read(dir.file("news.csv"));
    ASSERT_EQ(feeds.entries.size(), 6u);
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), feeds.entries).ok());
    EXPECT_EQ(dir.read("news.csv"), writtenBefore("news.csv"));

    const GlowtapeSettings settings =
        GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini")));
    ASSERT_TRUE(settings.save(dir.file("glowtape3.ini")).ok());
    EXPECT_EQ(dir.read("glowtape3.ini"), withNewerKeys(writtenBefore("glowtape3.ini")));

    for (const char* name : {"data.ini", "PlugIn.ini"})
        EXPECT_EQ(rewrittenIni(dir.file(name)), writtenBefore(name)) << name;
    EXPECT_EQ(rewrittenIni(dir.file("glowtape3.ini")),
              withNewerKeys(writtenBefore("glowtape3.ini")));

    SeenHeadlines seen;
    seen.load(dir.file("seen.txt"));
    EXPECT_EQ(seen.size(), 5u);
    ASSERT_TRUE(seen.save(dir.file("seen.txt")).ok());
    EXPECT_EQ(dir.read("seen.txt"), writtenBefore("seen.txt"));
}

TEST(StoredFiles, AFeedRegisteredAfterOneOfManyDistinctCharactersKeepsItsTitle) {
    // A feed brings 17,000 distinct characters that code page 932 lacks ...
    std::string body = "<rss><channel><title>";
    for (char32_t c = 0xAC00; c <= 0xD7A3; ++c)
        utf8::append(c, body);
    for (char32_t c = 0x20000; c < 0x20000 + 5828; ++c)
        utf8::append(c, body);
    body += "</title></channel></rss>";
    const std::string lines = normaliseFeedText(body);
    ASSERT_EQ(lines.find('?'), std::string::npos);

    // ... and then a feed is registered with scripts that feed never used.
    const std::string title = "ქართული Հայերեն ኢትዮጵያ 🦀";
    FeedList feeds;
    FeedListCommands(feeds).registerFeed(title, "http://new/");
    TempDir dir;
    ASSERT_TRUE(FeedListFile::write(dir.file("news.csv"), feeds.entries()).ok());
    const std::string saved = dir.read("news.csv");
    EXPECT_EQ(saved.find('?'), std::string::npos);
    EXPECT_TRUE(saved.starts_with("&#4325;&#4304;&#4320;&#4311;")) << saved;
    EXPECT_EQ(FeedListFile::read(dir.file("news.csv")).entries.at(0).title, title);
}
