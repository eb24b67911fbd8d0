#include "app/FeedEntry.h"
#include "framework/files/IniFile.h"
#include "framework/text/Cp932.h"
#include "support/LocalHttpServer.h"
#include "support/ProgramWindows.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace {

// Sections in file order, each with its keys in file order.
std::vector<std::pair<std::string, std::vector<std::string>>> layoutOf(const std::string& text) {
    std::vector<std::pair<std::string, std::vector<std::string>>> layout;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (!line.empty() && line.front() == '[')
            layout.push_back({line.substr(1, line.find(']') - 1), {}});
        else if (const auto equals = line.find('='); equals != std::string::npos && !layout.empty())
            layout.back().second.push_back(line.substr(0, equals));
    }
    return layout;
}

std::vector<std::string> keysOf(const std::string& text, const std::string& section) {
    for (const auto& [name, keys] : layoutOf(text))
        if (name == section)
            return keys;
    return {};
}

// Three rows in the file's own form, a duplicate row and a row with an empty flag among
// them. Their addresses refuse connections, should the rotation reach them.
std::string feedListBytes() {
    const std::string feed = "http://127.0.0.1:" + std::to_string(LocalHttpServer::unusedPort());
    return cp932::fromUtf8("日本語のニュース," + feed + "/a.xml,○\r\n" + "English," + feed +
                           "/b.xml,×\r\n" + "日本語のニュース," + feed + "/a.xml,○\r\n" +
                           "no flag," + feed + "/c.xml,\r\n");
}

using SaveSettings = ProgramTest;

TEST_F(SaveSettings, ANewFileHasItsSectionsAndKeysInOrderWithTheDefaults) {
    start();
    ticker().SaveSettings();
    const std::string text = dir.read("glowtape3.ini");

    std::vector<std::string> sections;
    for (const auto& section : layoutOf(text))
        sections.push_back(section.first);
    EXPECT_EQ(sections,
              (std::vector<std::string>{"window", "window2", "window3", "window5", "option",
                                        "color", "font", "select", "filter", "account"}));
    EXPECT_EQ(keysOf(text, "window"),
              (std::vector<std::string>{"H", "W", "T", "L", "B", "List0", "List1"}));
    EXPECT_EQ(keysOf(text, "window5"),
              (std::vector<std::string>{"H", "W", "T", "L", "S1", "S2", "Mode", "cont"}));
    EXPECT_EQ(keysOf(text, "option"),
              (std::vector<std::string>{
                  "urlEXE", "DefUri", "OP0",   "OP2",     "OP4",     "OP5",    "OP6",     "OP7",
                  "OP8",    "OP9",    "OP10",  "OP11",    "OP12",    "OP13",   "OP15",    "OP16",
                  "Direct", "Rever",  "Hover", "Refresh", "NewMark", "Notify", "Language"}));
    EXPECT_EQ(keysOf(text, "color"),
              (std::vector<std::string>{"font", "title", "dark", "back", "dec", "mark", "new"}));
    EXPECT_EQ(keysOf(text, "filter"), (std::vector<std::string>{"Mute", "Mark"}));
    EXPECT_EQ(keysOf(text, "account"), (std::vector<std::string>{"service", "server", "user"}));
    EXPECT_EQ(keysOf(text, "font"), (std::vector<std::string>{"name1", "name2", "OP1", "size1",
                                                              "name3", "OP2", "size2"}));

    const IniFile saved(dir.file("glowtape3.ini"));
    const std::pair<const char*, const char*> window[] = {
        {"H", "90"}, {"W", "600"}, {"T", "0"}, {"L", "0"}, {"B", "3"}, {"List0", "80"}};
    for (const auto& [key, value] : window)
        EXPECT_EQ(saved.value("window", key), value) << key;
    const std::pair<const char*, const char*> colour[] = {{"font", "clLime"},
                                                          {"title", "clYellow"},
                                                          {"dark", "$00404000"},
                                                          {"back", "clBlack"},
                                                          {"dec", "clWhite"}};
    for (const auto& [key, value] : colour)
        EXPECT_EQ(saved.value("color", key), value) << key;
    const std::pair<const char*, const char*> option[] = {
        {"OP0", "true"},   {"OP4", "true"},     {"OP5", "10"},        {"OP6", "false"},
        {"OP7", "down"},   {"OP9", "0"},        {"OP10", "3"},        {"OP11", "down"},
        {"OP12", "true"},  {"OP13", ""},        {"OP15", "bottom"},   {"OP16", "0"},
        {"Rever", "true"}, {"Direct", "false"}, {"DefUri", "http://"}};
    for (const auto& [key, value] : option)
        EXPECT_EQ(saved.value("option", key), value) << key;
    EXPECT_EQ(saved.value("font", "name1"), "ＭＳ Ｐゴシック");
    EXPECT_EQ(saved.value("font", "name2"), "@ＭＳ ゴシック");
    EXPECT_EQ(saved.value("font", "size1"), "14");
    EXPECT_EQ(saved.value("font", "size2"), "8");

    // No feeds: an empty feed list file.
    ASSERT_TRUE(std::filesystem::exists(dir.file("news.csv")));
    EXPECT_EQ(dir.read("news.csv"), "");
}

TEST_F(SaveSettings, EveryStoredValueIsWrittenBackFromTheWindowThatHoldsIt) {
    const std::vector<std::pair<std::string, std::vector<std::pair<const char*, const char*>>>>
        stored = {
            {"window",
             {{"H", "70"},
              {"W", "480"},
              {"T", "40"},
              {"L", "-12"},
              {"B", "2"},
              {"List0", "120"},
              {"List1", "300"}}},
            {"window2", {{"H", "450"}, {"W", "610"}, {"T", "33"}, {"L", "44"}}},
            {"window3", {{"H", "300"}, {"W", "260"}, {"T", "55"}, {"L", "66"}}},
            {"window5",
             {{"H", "500"},
              {"W", "700"},
              {"T", "77"},
              {"L", "88"},
              {"S1", "150"},
              {"S2", "120"},
              {"Mode", "none"},
              {"cont", "true"}}},
            {"option",
             {{"urlEXE", "/usr/bin/firefox"},
              {"DefUri", "http://home.example/"},
              {"OP0", "false"},
              {"OP2", "true"},
              {"OP4", ""},
              {"OP5", "25"},
              {"OP6", "true"},
              {"OP7", "up"},
              {"OP9", "2"},
              {"OP10", "2"},
              {"OP11", "up"},
              {"OP12", ""},
              {"OP13", "true"},
              {"OP15", "top"},
              {"OP16", "4"},
              {"Direct", "true"},
              {"Rever", "false"}}},
            {"color",
             {{"font", "clRed"},
              {"title", "$00123456"},
              {"dark", "clNavy"},
              {"back", "clMaroon"},
              {"dec", "clAqua"}}},
            {"font",
             {{"name1", "ＭＳ 明朝"},
              {"name2", "@ＭＳ 明朝"},
              {"OP1", "3"},
              {"size1", "16"},
              {"name3", "ＭＳ ゴシック"},
              {"OP2", "4"},
              {"size2", "10"}}},
            {"select", {{"main", "1"}, {"dec", "2"}}},
        };
    std::string file;
    for (const auto& [section, keys] : stored) {
        file += "[" + section + "]\r\n";
        for (const auto& [key, value] : keys)
            file += std::string(key) + "=" + value + "\r\n";
    }
    dir.write("glowtape3.ini", cp932::fromUtf8(file));
    writeFeedList("");
    start();
    std::filesystem::remove(dir.file("glowtape3.ini"));

    ticker().SaveSettings();
    const IniFile saved(dir.file("glowtape3.ini"));
    for (const auto& [section, keys] : stored)
        for (const auto& [key, value] : keys)
            EXPECT_EQ(saved.value(section, key), std::string(value)) << section << "/" << key;
}

TEST_F(SaveSettings, TheFeedListIsWrittenBackByteForByte) {
    const std::string bytes = feedListBytes();
    writeFeedList(bytes);
    start();
    ASSERT_EQ(program->feeds.count(), 4);
    std::filesystem::remove(dir.file("news.csv"));

    ticker().SaveSettings();
    EXPECT_EQ(dir.read("news.csv"), bytes);
    // The raw line store served as the buffer and is empty again.
    EXPECT_TRUE(ticker().stores().Memo1.empty());
}

TEST_F(SaveSettings, TheFlagTrueInAnyOtherCaseIsWrittenBackAsFalse) {
    writeSettings({"[option]", "OP0=True", "Direct=TRUE"});
    writeFeedList("");
    start();
    ticker().SaveSettings();
    const IniFile saved(dir.file("glowtape3.ini"));
    EXPECT_EQ(saved.value("option", "OP0"), "false");
    EXPECT_EQ(saved.value("option", "Direct"), "false");
}

// Closing any of the program's windows rewrites both files, not only the closing window's
// keys.
class ClosingAWindow : public ProgramTest, public ::testing::WithParamInterface<const char*> {
protected:
    QWidget& window() const {
        const std::string name = GetParam();
        if (name == "options")
            return program->options;
        if (name == "articles")
            return program->articles;
        if (name == "reader")
            return program->reader;
        return program->ticker;
    }
};

TEST_P(ClosingAWindow, RewritesTheSettingsAndTheFeedList) {
    const std::string bytes = feedListBytes();
    writeFeedList(bytes);
    writeSettings({"[window]", "W=480", "[window3]", "W=260"});
    start();
    std::filesystem::remove(dir.file("glowtape3.ini"));
    std::filesystem::remove(dir.file("news.csv"));
    program->feeds.append({"added", "http://127.0.0.1:1/", "×"});

    window().show();
    window().close();

    EXPECT_TRUE(window().isHidden());
    EXPECT_EQ(dir.read("news.csv"), bytes + "added,http://127.0.0.1:1/,\x81\x7E\r\n");
    const IniFile saved(dir.file("glowtape3.ini"));
    EXPECT_EQ(saved.value("window", "W"), "480");
    EXPECT_EQ(saved.value("window3", "W"), "260");
    EXPECT_EQ(saved.value("window2", "W"), "580");
    EXPECT_EQ(saved.value("window5", "Mode"), "news");
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, ClosingAWindow,
                         ::testing::Values("ticker", "options", "articles", "reader"));

TEST_F(SaveSettings, ASettingsFileThatCannotBeWrittenEndsTheSaveBeforeTheFeedList) {
    const std::string bytes = feedListBytes();
    writeFeedList(bytes);
    std::filesystem::create_directory(dir.file("glowtape3.ini"));
    start();
    program->feeds.remove(0);

    ticker().SaveSettings();
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{dir.file("glowtape3.ini") + " に書き込めません"});
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dir.read("news.csv"), bytes);
}

TEST_F(SaveSettings, ASettingsDirectoryThatIsAFileIsReportedOnce) {
    dir.write("plain", "not a directory");
    start(dir.file("plain") + "/");
    ASSERT_EQ(boxes.boxes().size(), 1u); // the missing feed list
    boxes.clear();

    ticker().SaveSettings();
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{dir.file("plain") + "/glowtape3.ini に書き込めません"});
    EXPECT_EQ(dir.read("plain"), "not a directory");
}

} // namespace

namespace {

using StoppedLoad = ProgramTest;

// A colour that cannot be read stops the loading; what the window then holds must still be
// a usable window whose save writes real font names.
TEST_F(StoppedLoad, LeavesAReachableWindowAndFontNamesThatSaveBack) {
    writeSettings({"[window]", "H=0", "[color]", "font=notacolour"});
    start();
    EXPECT_EQ(ticker().height(), 4 * 11 + 15);
    ticker().SaveSettings();
    IniFile saved(dir.file("glowtape3.ini"));
    EXPECT_EQ(saved.value("font", "name1"), "ＭＳ Ｐゴシック");
    EXPECT_EQ(saved.value("font", "name2"), "@ＭＳ ゴシック");
    EXPECT_EQ(saved.value("font", "name3"), "ＭＳ Ｐゴシック");
}

} // namespace
