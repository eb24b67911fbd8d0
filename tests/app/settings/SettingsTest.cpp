#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/SettingsWriter.h"
#include "support/Crlf.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace k = settings;

namespace {

GlowtapeSettings readFile(const TempDir& dir, const std::string& content) {
    dir.write("glowtape3.ini", content);
    return GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini")));
}

// Settings in which every value differs from its default.
GlowtapeSettings changed() {
    GlowtapeSettings s = GlowtapeSettings::defaults();
    s.ticker = {-20, 1300, 1024, 71};
    s.titleColumnWidth = 120;
    s.uriColumnWidth = 300;
    s.options = {1, 2, 3, 4};
    s.articles = {5, 6, 7, 8};
    s.reader = {9, 10, 11, 12};
    s.readerPanelWidth = 13;
    s.readerListHeight = 14;
    s.readerMode = ReaderMode::None;
    s.readerToolBar = true;
    s.articleColour = 0x00123456;
    s.titleColour = 0x8000000F;
    s.darkColour = 0x00FFFFFF;
    s.backColour = colourtext::kNone;
    s.descriptionColour = 0x00000001;
    s.articleFontName = "ＭＳ 明朝";
    s.verticalFontName = "@ＭＳ 明朝";
    s.articleFontStyle = 5;
    s.textHeight = 20;
    s.descriptionFontName = "Arial";
    s.descriptionFontStyle = 10;
    s.descriptionFontSize = 9;
    s.border = false;
    s.readerFullWidth = true;
    s.launchButtons = false;
    s.showInterval = 30;
    s.topmost = true;
    s.dockAtTop = true;
    s.alwaysShow = true;
    s.space = 2;
    s.bit = 5;
    s.readerPlacement = ReaderPlacement::NotPlaced;
    s.showCurrentArticle = false;
    s.showHomeAddress = true;
    s.descriptionAtTop = true;
    s.sending = 1;
    s.vertical = true;
    s.reverse = false;
    s.browserProgram = "/usr/bin/firefox";
    s.homeAddress = "http://example.org/";
    s.refreshMinutes = 0;
    s.markColour = 0x00123456;
    s.newColour = 0x00654321;
    s.newMark = true;
    s.notify = true;
    s.muteWords = "広告,ＰＲ";
    s.markWords = "Linux";
    s.headlineChoice = 1;
    s.descriptionChoice = 3;
    return s;
}

} // namespace

TEST(SettingsDefaults, NoFileGivesTheDesignDefaults) {
    TempDir dir;
    const GlowtapeSettings s = GlowtapeSettings::read(SettingsReader(dir.file("none.ini")));
    EXPECT_EQ(s, GlowtapeSettings::defaults());
    EXPECT_EQ(s.ticker, (WindowBounds{0, 0, 600, 90}));
    EXPECT_EQ(s.articleColour, 0x0000FF00u);
    EXPECT_EQ(s.titleColour, 0x0000FFFFu);
    EXPECT_EQ(s.darkColour, 0x00404000u);
    EXPECT_EQ(s.backColour, 0x00000000u);
    EXPECT_EQ(s.descriptionColour, 0x00FFFFFFu);
    EXPECT_TRUE(s.border);
    EXPECT_FALSE(s.topmost);
    EXPECT_FALSE(s.vertical);
    EXPECT_TRUE(s.reverse);
    EXPECT_EQ(s.showInterval, 10);
    EXPECT_EQ(s.space, 0);
    EXPECT_EQ(s.bit, 3);
    EXPECT_EQ(s.sending, 0);
    // The dialog's top is read with 200 and then with 100; 100 is what counts.
    EXPECT_EQ(s.options, (WindowBounds{100, 200, 580, 400}));
    EXPECT_EQ(s.articleFontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(s.verticalFontName, "@ＭＳ ゴシック");
    EXPECT_EQ(s.readerPlacement, ReaderPlacement::Below);
    EXPECT_EQ(s.readerMode, ReaderMode::News);
}

TEST(SettingsSave, ANewFileHasEveryKeyInSaveOrder) {
    TempDir dir;
    ASSERT_TRUE(GlowtapeSettings::defaults().save(dir.file("glowtape3.ini")).ok());
    // clang-format off
    EXPECT_EQ(dir.read("glowtape3.ini"),
              crlf({"[window]", "H=90", "W=600", "T=0", "L=0", "B=3", "List0=80", "List1=80", "",
                    "[window2]", "H=400", "W=580", "T=100", "L=200", "",
                    "[window3]", "H=400", "W=250", "T=100", "L=100", "",
                    "[window5]", "H=400", "W=200", "T=100", "L=100", "S1=200", "S2=200",
                    "Mode=news", "cont=false", "",
                    "[option]", "urlEXE=", "DefUri=http://", "OP0=true", "OP2=", "OP4=true",
                    "OP5=10", "OP6=false", "OP7=down", "OP8=false", "OP9=0", "OP10=3", "OP11=down",
                    "OP12=true", "OP13=", "OP15=bottom", "OP16=0", "Direct=false", "Rever=true",
                    "Hover=true", "Refresh=10", "NewMark=false", "Notify=false", "Language=auto", "",
                    "[color]", "font=clLime", "title=clYellow", "dark=$00404000", "back=clBlack",
                    "dec=clWhite", "mark=clRed", "new=clAqua", "",
                    "[font]", "name1=ＭＳ Ｐゴシック", "name2=@ＭＳ ゴシック", "OP1=0", "size1=14",
                    "name3=ＭＳ Ｐゴシック", "OP2=0", "size2=8", "",
                    "[select]", "main=0", "dec=0", "",
                    "[filter]", "Mute=", "Mark=", "",
                    "[account]", "service=0", "server=", "user="}));
    // clang-format on
}

TEST(SettingsSave, EveryValueReadsBackAsSaved) {
    TempDir dir;
    const GlowtapeSettings s = changed();
    ASSERT_TRUE(s.save(dir.file("glowtape3.ini")).ok());
    EXPECT_EQ(GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini"))), s);
    const std::string text = dir.read("glowtape3.ini");
    EXPECT_NE(text.find("font=$00123456\r\n"), std::string::npos);
    EXPECT_NE(text.find("title=clBtnFace\r\n"), std::string::npos);
    EXPECT_NE(text.find("dark=clWhite\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nB=5\r\n"), std::string::npos); // B follows OP10
    EXPECT_NE(text.find("\r\nOP11=\r\n"), std::string::npos);
}

// The filter lists come back whole: cut at the 2,047 bytes of other values, "...,Apple"
// would come back as "...,A" and mute nearly every headline.
TEST(SettingsSave, LongFilterListsReadBackWholeWhileOtherTextsKeepTheCut) {
    TempDir dir;
    GlowtapeSettings s = GlowtapeSettings::defaults();
    for (int i = 0; i < 400; ++i)
        s.muteWords.append("word").append(std::to_string(i)).append(",");
    s.muteWords.append("Apple");
    s.markWords = std::string(700, 'x') + "\u65E5\u672C\u8A9E\u00E9" + s.muteWords;
    s.homeAddress = "http://" + std::string(3000, 'a');
    ASSERT_GT(s.muteWords.size(), IniFile::kMaxValueBytes);
    ASSERT_TRUE(s.save(dir.file("glowtape3.ini")).ok());

    const GlowtapeSettings read = GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini")));
    EXPECT_EQ(read.muteWords, s.muteWords);
    EXPECT_EQ(read.markWords, s.markWords);
    EXPECT_EQ(read.homeAddress.size(), IniFile::kMaxValueBytes);
}

TEST(SettingsSave, TextBeyondCodePage932RoundTripsByteForByte) {
    TempDir dir;
    GlowtapeSettings s = GlowtapeSettings::defaults();
    s.browserProgram = "/opt/Caf\u00E9/\u7B80\u8BF4";
    s.articleFontName = "Noto Sans \U0001F600";
    ASSERT_TRUE(s.save(dir.file("glowtape3.ini")).ok());
    const std::string text = dir.read("glowtape3.ini");
    EXPECT_NE(text.find("\r\nurlEXE=/opt/Caf&#233;/&#31616;&#35828;\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nname1=Noto Sans &#128512;\r\n"), std::string::npos);
    const GlowtapeSettings read = GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini")));
    EXPECT_EQ(read, s);
    ASSERT_TRUE(read.save(dir.file("glowtape3.ini")).ok());
    EXPECT_EQ(dir.read("glowtape3.ini"), text);
}

TEST(SettingsSave, RewritesAnExistingFileInPlaceAndKeepsForeignLines) {
    TempDir dir;
    dir.write("glowtape3.ini",
              "[window5]\r\nMode=odd\r\n[color]\r\nFONT=clRed\r\n[mine]\r\nx=1\r\n");
    GlowtapeSettings s = GlowtapeSettings::defaults();
    s.readerMode.reset(); // a layout of no mode keeps the stored text
    ASSERT_TRUE(s.save(dir.file("glowtape3.ini")).ok());
    const std::string text = dir.read("glowtape3.ini");
    EXPECT_EQ(text.rfind("[window5]\r\nMode=odd\r\nH=400\r\n", 0), 0u);
    EXPECT_NE(text.find("[color]\r\nfont=clLime\r\n"), std::string::npos);
    EXPECT_NE(text.find("[mine]\r\nx=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("FONT="), std::string::npos);
}

TEST(SettingsSave, AFailedWriteNamesTheFileAndLeavesItIntact) {
    TempDir dir;
    dir.write("file", "");
    const std::string unreachable = dir.file("file") + "/glowtape3.ini";
    const Outcome failed = GlowtapeSettings::defaults().save(unreachable);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error, std::string(unreachable + " に書き込めません"));

    // Read-only by its permissions: refused for every user, root included.
    const std::string old = crlf({"[window]", "H=55"});
    dir.write("glowtape3.ini", old);
    ASSERT_EQ(::chmod(dir.file("glowtape3.ini").c_str(), 0444), 0);
    EXPECT_FALSE(changed().save(dir.file("glowtape3.ini")).ok());
    EXPECT_EQ(dir.read("glowtape3.ini"), old);
}

TEST(SettingsSave, AnInterruptedSaveLeavesTheOldFile) {
    TempDir dir;
    ASSERT_TRUE(GlowtapeSettings::defaults().save(dir.file("glowtape3.ini")).ok());
    const std::string old = dir.read("glowtape3.ini");
    Outcome result;
    {
        FileSizeLimit limit(100); // the new file stops after 100 bytes, as on a full disk
        result = changed().save(dir.file("glowtape3.ini"));
    }
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(dir.read("glowtape3.ini"), old);
}

TEST(SettingsRead, FlagsAreExactTexts) {
    TempDir dir;
    // "True" is not "true": no border, and the next save writes "false".
    GlowtapeSettings s = readFile(dir, crlf({"[option]", "OP0=True", "OP6=true", "Direct=TRUE"}));
    EXPECT_FALSE(s.border);
    EXPECT_TRUE(s.topmost);
    EXPECT_FALSE(s.vertical);
    ASSERT_TRUE(s.save(dir.file("glowtape3.ini")).ok());
    EXPECT_NE(dir.read("glowtape3.ini").find("OP0=false\r\n"), std::string::npos);

    // Only "false" turns reversed scrolling off.
    EXPECT_TRUE(readFile(dir, crlf({"[option]", "Rever=no"})).reverse);
    EXPECT_TRUE(readFile(dir, crlf({"[option]", "Rever=False"})).reverse);
    EXPECT_TRUE(readFile(dir, crlf({"[option]", "Rever="})).reverse);
    EXPECT_FALSE(readFile(dir, crlf({"[option]", "Rever=false"})).reverse);
    EXPECT_FALSE(readFile(dir, crlf({"[option]", "Rever=\"false\""})).reverse);

    EXPECT_TRUE(readFile(dir, crlf({"[option]", "OP7=up"})).dockAtTop);
    EXPECT_FALSE(readFile(dir, crlf({"[option]", "OP7=Up"})).dockAtTop);
    EXPECT_TRUE(readFile(dir, crlf({"[option]", "OP15=top"})).descriptionAtTop);
    EXPECT_FALSE(readFile(dir, crlf({"[option]", "OP15=TOP"})).descriptionAtTop);
}

TEST(SettingsRead, EmptyValuesDifferFromMissingKeys) {
    TempDir dir;
    const GlowtapeSettings empty =
        readFile(dir, crlf({"[option]", "OP2=", "OP4=", "OP11=", "OP12=", "OP13=", "urlEXE="}));
    EXPECT_FALSE(empty.readerFullWidth);
    EXPECT_FALSE(empty.launchButtons);
    EXPECT_EQ(empty.readerPlacement, ReaderPlacement::NotPlaced);
    EXPECT_FALSE(empty.showCurrentArticle);
    EXPECT_FALSE(empty.showHomeAddress);

    const GlowtapeSettings missing = readFile(dir, crlf({"[option]"}));
    EXPECT_TRUE(missing.launchButtons);
    EXPECT_TRUE(missing.showCurrentArticle);
    EXPECT_EQ(missing.readerPlacement, ReaderPlacement::Below);

    // Unchecked options are written empty and read back unchecked.
    ASSERT_TRUE(empty.save(dir.file("glowtape3.ini")).ok());
    EXPECT_EQ(GlowtapeSettings::read(SettingsReader(dir.file("glowtape3.ini"))), empty);
    EXPECT_NE(dir.read("glowtape3.ini").find("OP4=\r\n"), std::string::npos);

    // An empty text key reads empty, not as its default.
    const SettingsReader reader(dir.file("glowtape3.ini"));
    EXPECT_EQ(reader.text(k::option::urlEXE), "");
    EXPECT_EQ(reader.text(k::option::DefUri), "http://");
}

TEST(SettingsRead, IntegersFallBackToTheirDefaults) {
    TempDir dir;
    dir.write("glowtape3.ini",
              crlf({"[window]", "W=wide", "H=$40", "T=-15", "L=", "[window2]", "L=0x10"}));
    const SettingsReader reader(dir.file("glowtape3.ini"));
    EXPECT_EQ(reader.integer(k::window::W), 600);
    EXPECT_EQ(reader.integer(k::window::H), 64);
    EXPECT_EQ(reader.integer(k::window::T), -15);
    EXPECT_EQ(reader.integer(k::window::L), 0);
    EXPECT_EQ(reader.integer(k::window2::L), 16);
    EXPECT_EQ(reader.integer(k::window2::T), 100);
}

TEST(SettingsRead, AColourThatIsNoColourReportsItsText) {
    TempDir dir;
    dir.write("glowtape3.ini", crlf({"[color]", "font=clwhite", "title=Gelb", "dark=16711680"}));
    const SettingsReader reader(dir.file("glowtape3.ini"));
    EXPECT_EQ(reader.colour(k::color::font).colour, 0x00FFFFFFu);
    const ColourRead bad = reader.colour(k::color::title);
    EXPECT_EQ(bad.colour, std::nullopt);
    EXPECT_EQ(bad.error, "'Gelb' は整数ではありません");
    EXPECT_EQ(reader.colour(k::color::dark).colour, 0x00FF0000u);
    EXPECT_EQ(reader.colour(k::color::back).colour, 0u);
    EXPECT_TRUE(reader.colour(k::color::back).error.empty());
    // Reading every value keeps the default where the colour cannot be read.
    EXPECT_EQ(GlowtapeSettings::read(reader).titleColour, 0x0000FFFFu);
}

TEST(SettingsRead, ReaderModeAndTickerHeight) {
    TempDir dir;
    EXPECT_EQ(readFile(dir, crlf({"[window5]", "Mode=none"})).readerMode, ReaderMode::None);
    EXPECT_EQ(readFile(dir, crlf({"[window5]", "Mode=document"})).readerMode, ReaderMode::Document);
    EXPECT_EQ(readFile(dir, crlf({"[window5]", "Mode=News"})).readerMode, ReaderMode::Document);
    EXPECT_EQ(readFile(dir, crlf({"[window5]", "Mode=news"})).readerMode, ReaderMode::News);

    const GlowtapeSettings zero = readFile(dir, crlf({"[window]", "H=0", "[font]", "size1=14"}));
    EXPECT_EQ(GlowtapeSettings::tickerHeightAfterLoad(zero.ticker.height, zero.textHeight), 71);
    EXPECT_EQ(GlowtapeSettings::tickerHeightAfterLoad(90, 14), 90);
    EXPECT_EQ(GlowtapeSettings::tickerHeightAfterLoad(0, 11), 59);
}

TEST(DataIni, HotKeysAndThePlugInFlagAreWrittenOneKeyAtATime) {
    TempDir dir;
    const std::string path = dir.file("data.ini");
    {
        const SettingsReader none(path);
        EXPECT_EQ(none.integer(k::hotkey::open), 1);
        EXPECT_EQ(none.integer(k::hotkey::close), 0);
        EXPECT_EQ(none.integer(k::hotkey::next), 0);
        EXPECT_EQ(none.integer(k::hotkey::back), 0);
        EXPECT_FALSE(none.is(k::plugin::Bar, k::flag::True));
    }
    for (const auto& [key, value] : {std::pair{&k::hotkey::next, 5}, {&k::hotkey::open, 0}}) {
        SettingsWriter writer(path);
        writer.integer(*key, value);
        ASSERT_TRUE(writer.save().ok());
    }
    SettingsWriter plugin(path);
    plugin.text(k::plugin::Bar, k::flag::True);
    ASSERT_TRUE(plugin.save().ok());
    EXPECT_EQ(dir.read("data.ini"),
              crlf({"[HotKey]", "next=5", "open=0", "", "[option]", "Bar=true"}));

    const SettingsReader reader(path);
    EXPECT_EQ(reader.integer(k::hotkey::open), 0);
    EXPECT_EQ(reader.integer(k::hotkey::next), 5);
    EXPECT_EQ(reader.integer(k::hotkey::back), 0);
    EXPECT_TRUE(reader.is(k::plugin::Bar, k::flag::True));
}
