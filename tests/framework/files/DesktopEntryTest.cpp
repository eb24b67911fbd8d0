#include "framework/files/DesktopEntry.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(DesktopEntry, ExecQuotesTheProgramSoThatBlanksAndReservedCharactersSurvive) {
    const std::string text = desktopentry::text("/opt/my apps/glow$\"tape`%\\x", "/opt/my apps/");
    // Inside the quotes $ " ` \ are escaped and % doubled; the value's own escaping then
    // doubles every backslash.
    EXPECT_NE(text.find("\nExec=\"/opt/my apps/glow\\\\$\\\\\"tape\\\\`%%\\\\\\\\x\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nPath=/opt/my apps/\n"), std::string::npos);
    EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\nName=Glowtape\n", 0), 0u);
    EXPECT_NE(text.find("\nTerminal=false\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=glowtape\n"), std::string::npos);
}

TEST(DesktopEntry, WritingTwiceLeavesOneValidEntry) {
    TempDir dir;
    const std::string folder = dir.path() + "/deep/autostart";
    ASSERT_TRUE(desktopentry::write(folder, "/usr/bin/glow tape", "/usr/bin/").ok());
    ASSERT_TRUE(desktopentry::write(folder, "/usr/bin/glow tape", "/usr/bin/").ok());
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "Glowtape.desktop");
    }
    EXPECT_EQ(files, 1u);
    EXPECT_EQ(contents(folder + "/Glowtape.desktop"),
              desktopentry::text("/usr/bin/glow tape", "/usr/bin/"));
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        const std::string check =
            "desktop-file-validate '" + folder + "/Glowtape.desktop' >/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0);
    }

    // A folder that cannot be made: the message names the file.
    dir.write("plain", "");
    const Outcome failed = desktopentry::write(dir.file("plain"), "/usr/bin/glowtape", "/");
    EXPECT_NE(failed.error.find("plain/Glowtape.desktop"), std::string::npos);
}
