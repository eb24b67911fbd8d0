#include "framework/files/IniFile.h"
#include "framework/text/Cp932.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {

std::string loadValue(const TempDir& dir, const std::string& content, const char* section,
                      const char* key) {
    dir.write("t.ini", content);
    return IniFile(dir.file("t.ini")).read(section, key, "<default>");
}

} // namespace

TEST(IniFileRead, MatchesNamesWithoutCaseAndTakesTextAfterTheFirstEquals) {
    TempDir dir;
    const std::string file = "[Window]\r\nWidth = 600 \r\nformula=a=b\r\n[other]\r\nwidth=1\r\n";
    EXPECT_EQ(loadValue(dir, file, "WINDOW", "width"), "600");
    EXPECT_EQ(loadValue(dir, file, "window", "FORMULA"), "a=b");
    EXPECT_EQ(loadValue(dir, file, "Other", "Width"), "1");
    EXPECT_EQ(loadValue(dir, file, "missing", "width"), "<default>");
    EXPECT_EQ(loadValue(dir, file, "window", "missing"), "<default>");
    // A key of another section is not found in this one.
    EXPECT_EQ(loadValue(dir, "[a]\r\nx=1\r\n[b]\r\ny=2\r\n", "a", "y"), "<default>");
}

TEST(IniFileRead, TrimsBlanksAndRemovesOnePairOfQuotes) {
    TempDir dir;
    EXPECT_EQ(loadValue(dir, "[s]\nk=\t \"quoted text\" \n", "s", "k"), "quoted text");
    EXPECT_EQ(loadValue(dir, "[s]\nk='single'\n", "s", "k"), "single");
    EXPECT_EQ(loadValue(dir, "[s]\nk=\"\"twice\"\"\n", "s", "k"), "\"twice\"");
    EXPECT_EQ(loadValue(dir, "[s]\nk='mixed\"\n", "s", "k"), "'mixed\"");
    EXPECT_EQ(loadValue(dir, "[s]\nk=\"\n", "s", "k"), "\"");
    EXPECT_EQ(loadValue(dir, "[s]\nk= in  between \n", "s", "k"), "in  between");
}

TEST(IniFileRead, EmptyValueIsNotAMissingKey) {
    TempDir dir;
    dir.write("t.ini", "[s]\r\nempty=\r\nblank=   \r\nnoequals\r\n");
    IniFile ini(dir.file("t.ini"));
    EXPECT_EQ(ini.value("s", "empty"), std::optional<std::string>(""));
    EXPECT_EQ(ini.value("s", "blank"), std::optional<std::string>(""));
    EXPECT_EQ(ini.value("s", "noequals"), std::nullopt);
    EXPECT_EQ(ini.value("s", "absent"), std::nullopt);
}

TEST(IniFileRead, ReturnsAtMost2047BytesWithoutSplittingACharacter) {
    TempDir dir;
    const std::string ascii(5000, 'x');
    EXPECT_EQ(loadValue(dir, "[s]\r\nk=" + ascii + "\r\n", "s", "k"), std::string(2047, 'x'));
    // 2046 ASCII bytes and then a two-byte character: the character does not fit.
    const std::string split = std::string(2046, 'y') + "\x93\xFA" + "z";
    EXPECT_EQ(loadValue(dir, "[s]\r\nk=" + split + "\r\n", "s", "k"), std::string(2046, 'y'));
}

TEST(IniFileRead, ValuesBeyondCodePage932AreReferencesThatCountTwoBytes) {
    TempDir dir;
    const std::string file = "[s]\r\nk=Caf&#233; &#127881; &#38;#233; &#xE9;\r\n";
    dir.write("t.ini", file);
    IniFile ini(dir.file("t.ini"));
    const std::string value = ini.read("s", "k", "");
    EXPECT_EQ(value, "Caf\u00E9 \U0001F389 &#233; &#xE9;");
    ini.write("s", "k", value);
    ini.write("s", "typed", "\uD55C\uAD6D\uC5B4 \u2603");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("t.ini"), file + "typed=&#54620;&#44397;&#50612; &#9731;\r\n");
    EXPECT_EQ(std::string(IniFile(dir.file("t.ini")).read("s", "typed", "")),
              "\uD55C\uAD6D\uC5B4 \u2603");
    // 2046 bytes and then é: the character does not fit.
    const std::string tooLong = std::string(2046, 'y');
    EXPECT_EQ(loadValue(dir, "[s]\r\nk=" + tooLong + "&#233;\r\n", "s", "k"), tooLong);
}

TEST(IniFileRead, AcceptsEveryLineEndAndUsesTheFirstOfDuplicates) {
    TempDir dir;
    EXPECT_EQ(loadValue(dir, "[s]\nk=lf\n", "s", "k"), "lf");
    EXPECT_EQ(loadValue(dir, "[s]\rk=cr\r", "s", "k"), "cr");
    EXPECT_EQ(loadValue(dir, "[s]\r\nk=last", "s", "k"), "last");
    EXPECT_EQ(loadValue(dir, "[s]\nk=1\nk=2\n[s]\nk=3\n", "s", "k"), "1");
    EXPECT_EQ(loadValue(dir, "  [ s ]  \nk=spaced\n", "s", "k"), "spaced");
}

TEST(IniFileRead, KeepsCodePage932BytesAndComparesSecondBytesExactly) {
    TempDir dir;
    const std::string gothic = "ＭＳ Ｐゴシック";
    EXPECT_EQ(
        loadValue(dir, "[font]\r\nname1=" + cp932::fromUtf8(gothic) + "\r\n", "font", "name1"),
        gothic);
    // 0x83 0x41 (ア) and 0x83 0x61 (ャ) differ only in what would be letter case in ASCII.
    EXPECT_EQ(loadValue(dir, "[s]\r\n\x83\x41=a\r\n", "s", "ャ"), "<default>");
    EXPECT_EQ(loadValue(dir, "[s]\r\n\x83\x41=a\r\n", "s", "ア"), "a");
}

TEST(IniFileWrite, ReplacesInPlaceAppendsToTheSectionOrAddsTheSection) {
    TempDir dir;
    dir.write("t.ini", "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nz=3\r\n");
    IniFile ini(dir.file("t.ini"));
    ini.write("A", "X", "10"); // other letter case: still the same key
    ini.write("a", "new", "n");
    ini.write("c", "w", "");
    ini.write("b", "z", "値");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("t.ini"), "[a]\r\nX=10\r\ny=2\r\nnew=n\r\n\r\n[b]\r\nz=\x92\x6C\r\n\r\n"
                                 "[c]\r\nw=\r\n");
    IniFile again(dir.file("t.ini"));
    EXPECT_EQ(again.value("c", "w"), std::optional<std::string>(""));
    EXPECT_EQ(again.read("a", "new", ""), "n");
}

TEST(IniFileWrite, CreatesAMissingFileAndTurnsLineBreaksIntoBlanks) {
    TempDir dir;
    IniFile ini(dir.file("new.ini"));
    ini.write("s", "k", "line one\r\n[evil]\nx=1");
    ini.write("s", "j", "2");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("new.ini"), "[s]\r\nk=line one  [evil] x=1\r\nj=2\r\n");
}

TEST(IniFileWrite, ValuesThatReadingWouldTrimOrUnquoteReadBackAsWritten) {
    TempDir dir;
    dir.write("t.ini", "[s]\r\nk=\"\"twice\"\"\r\n");
    IniFile ini(dir.file("t.ini"));
    // A value read from the file and saved again must not lose a pair of quotes each time.
    ini.write("s", "k", ini.read("s", "k", ""));
    const std::vector<std::string> values = {" lead", "trail\n", "'single'", "\"", "plain", ""};
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.write("s", std::string("v").append(std::to_string(i)), values[i]);
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=\"\"twice\"\"\r\nv0=\" lead\"\r\nv1=\"trail \"\r\n"
                                 "v2=\"'single'\"\r\nv3=\"\r\nv4=plain\r\nv5=\r\n");
    IniFile again(dir.file("t.ini"));
    EXPECT_EQ(again.read("s", "k", ""), "\"twice\"");
    EXPECT_EQ(again.read("s", "v0", ""), " lead");
    EXPECT_EQ(again.read("s", "v1", ""), "trail ");
    EXPECT_EQ(again.read("s", "v2", ""), "'single'");
}

TEST(IniFileWrite, AddsTheMissingLineEndBeforeAppending) {
    TempDir dir;
    dir.write("t.ini", "[s]\nk=1");
    IniFile ini(dir.file("t.ini"));
    ini.write("s", "j", "2");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=1\r\nj=2\r\n");
}

TEST(IniFileSave, ReportsTheFullPathWhenTheFileCannotBeWritten) {
    TempDir dir;
    dir.write("plain", "not a directory");
    // The parent is a regular file: no user, root included, can create the file.
    const std::string path = dir.file("plain") + "/glowtape3.ini";
    IniFile ini(path);
    ini.write("window", "H", "90");
    const Outcome result = ini.save();
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error, std::string(path + " に書き込めません"));
}

TEST(IniFileSave, LeavesAReadOnlyFileUntouched) {
    TempDir dir;
    dir.write("t.ini", "[s]\r\nk=old\r\n");
    ASSERT_EQ(::chmod(dir.file("t.ini").c_str(), 0444), 0);
    IniFile ini(dir.file("t.ini"));
    ini.write("s", "k", "new");
    EXPECT_FALSE(ini.save().ok());
    EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=old\r\n");

    ASSERT_TRUE(std::filesystem::create_directory(dir.file("dir.ini")));
    IniFile directory(dir.file("dir.ini"));
    directory.write("s", "k", "v");
    EXPECT_FALSE(directory.save().ok());
}

TEST(IniFileCorrupt, BinaryGarbageAndNulBytesLoadWithoutHarm) {
    TempDir dir;
    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    dir.write("t.ini", garbage + "\r\n[window]\r\nW=640\r\nN=6\0"s + "4\r\n");
    IniFile ini(dir.file("t.ini"));
    EXPECT_EQ(ini.read("window", "W", ""), "640");
    EXPECT_EQ(ini.read("window", "N", ""), "6");

    dir.write("nul.ini", std::string(4096, '\0'));
    IniFile nul(dir.file("nul.ini"));
    EXPECT_EQ(nul.read("window", "W", "600"), "600");
    nul.write("window", "W", "1");
    ASSERT_TRUE(nul.save().ok());
    EXPECT_EQ(IniFile(dir.file("nul.ini")).read("window", "W", ""), "1");
}

TEST(IniFileCorrupt, AHugeFileReadsAsEmptyAndIsReplacedOnSave) {
    TempDir dir;
    const std::string path = dir.file("huge.ini");
    dir.write("huge.ini", "[window]\r\nW=640\r\n");
    ASSERT_EQ(::truncate(path.c_str(), 100 << 20), 0); // 100 MB, mostly NUL bytes
    IniFile ini(path);
    EXPECT_EQ(ini.read("window", "W", "600"), "600");
    ini.write("window", "W", "700");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(dir.read("huge.ini"), "[window]\r\nW=700\r\n");
}

TEST(IniFileCorrupt, ManyLinesAndAMegabyteLineStayFast) {
    TempDir dir;
    std::string content = "[big]\r\nline=" + std::string(1 << 20, '7') + "\r\n";
    for (int i = 0; i < 100000; ++i)
        content.append("k").append(std::to_string(i)).append("=v\r\n");
    content += "[window]\r\nW=640\r\n";
    dir.write("t.ini", content);

    const auto start = std::chrono::steady_clock::now();
    IniFile ini(dir.file("t.ini"));
    EXPECT_EQ(ini.read("big", "line", "").size(), IniFile::kMaxValueBytes);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(ini.read("window", "W", ""), "640");
        ini.write("big", "added" + std::to_string(i), "x");
    }
    ASSERT_TRUE(ini.save().ok());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Linear work is well under a second; work growing with lines times lines takes hours.
    EXPECT_LT(elapsed, std::chrono::seconds(30));
    EXPECT_EQ(IniFile(dir.file("t.ini")).read("big", "added19", ""), "x");
}
