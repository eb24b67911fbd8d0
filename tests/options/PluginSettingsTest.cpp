#include "options/PluginSettings.h"
#include "app/settings/SettingKeys.h"
#include "framework/files/IniFile.h"
#include "support/Crlf.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class PluginSettingsTest : public ::testing::Test {
protected:
    std::string folder() const { return dir.path() + "/programs/glowtape"; }
    PluginSettings plugin() const { return PluginSettings(folder(), dir.path() + "/"); }
    IniFile pluginIni() const { return IniFile(folder() + "/PlugIn.ini"); }

    TempDir dir;
};

constexpr Colour kLime = 0x0000FF00;

TEST_F(PluginSettingsTest, InstallRecordsThePathsAndTheFlagThatMakesTheStoredChoicesCount) {
    EXPECT_EQ(plugin().load(), (PluginSettings::Choices{kLime, kLime, kLime, 20}));

    ASSERT_TRUE(plugin().install("/opt/glow tape/glowtape").ok());
    EXPECT_EQ(pluginIni().value("data", "file"), dir.path() + "/news.csv");
    EXPECT_EQ(pluginIni().value("data", "exe"), "/opt/glow tape/glowtape");
    EXPECT_EQ(IniFile(dir.file("data.ini")).value("option", "Bar"), "true");
    // clYellow, clWindowText, clBtnFace and 10 until the user chooses.
    EXPECT_EQ(plugin().load(), (PluginSettings::Choices{0x0000FFFF, 0x80000008, 0x8000000F, 10}));

    ASSERT_TRUE(plugin().writeColour(settings::pluginini::OP1, 0x0000FFFF).ok());
    ASSERT_TRUE(plugin().writeColour(settings::pluginini::OP3, 0x00123456).ok());
    EXPECT_EQ(pluginIni().value("option", "OP1"), "clYellow");
    EXPECT_EQ(pluginIni().value("option", "OP3"), "$00123456");
    EXPECT_EQ(plugin().load().back, 0x00123456u);
}

TEST_F(PluginSettingsTest, TheSpeedCreatesTheFolderButAColourNeedsAnInstallation) {
    const Outcome colour = plugin().writeColour(settings::pluginini::OP2, 0);
    EXPECT_EQ(colour.error, std::string(folder() + "/PlugIn.ini に書き込めません"));
    EXPECT_FALSE(std::filesystem::exists(folder()));

    ASSERT_TRUE(plugin().writeSpeed(33).ok());
    EXPECT_EQ(pluginIni().text(), crlf({"[option]", "int=33"}));
}

TEST_F(PluginSettingsTest, AnUnreadableColourFallsBackAloneAtLoad) {
    dir.write("data.ini", crlf({"[option]", "Bar=true"}));
    std::filesystem::create_directories(folder());
    {
        IniFile file(folder() + "/PlugIn.ini");
        file.write("option", "OP1", "purple");
        file.write("option", "OP2", "clRed");
        file.write("option", "int", "55");
        ASSERT_TRUE(file.save().ok());
    }
    EXPECT_EQ(plugin().load(), (PluginSettings::Choices{0x0000FFFF, 0x000000FF, 0x8000000F, 55}));
}

} // namespace
