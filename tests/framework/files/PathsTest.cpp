#include "framework/files/Paths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Paths, ExecutableDirectoryHoldsTheRunningProgram) {
    const std::string directory = Paths::executableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(directory + "tests_framework"));
}

TEST(Paths, GlowtapeHomeComesFirstAndIsCreated) {
    TempDir dir;
    Paths::Environment environment{dir.file("home/"), dir.path(), dir.file("xdg"), dir.path()};
    EXPECT_EQ(Paths::settingsDirectory(environment), dir.file("home/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("home")));
}

TEST(Paths, AWritableExecutableDirectoryIsAPortableCopy) {
    TempDir dir;
    Paths::Environment environment{"", dir.path(), dir.file("xdg"), dir.path()};
    EXPECT_EQ(Paths::settingsDirectory(environment), dir.path() + "/");
    EXPECT_FALSE(std::filesystem::exists(dir.file("xdg")));
}

TEST(Paths, AWritableInstalledCopyStillUsesTheConfigurationDirectory) {
    TempDir dir;
    const std::string bin = dir.file("prefix/bin");
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(Paths::isInstalledLayout(bin));
    std::filesystem::create_directories(dir.file("prefix/share/applications"));
    dir.write("prefix/share/applications/glowtape.desktop", "");
    ASSERT_TRUE(Paths::isInstalledLayout(bin));

    Paths::Environment environment{"", bin, dir.file("xdg"), dir.path(), true};
    EXPECT_EQ(Paths::settingsDirectory(environment), dir.file("xdg/glowtape/"));
}

TEST(Paths, AnInstalledCopyUsesTheConfigurationDirectory) {
    TempDir dir;
    // A directory under a regular file cannot be written by anyone, root included.
    dir.write("file", "");
    const std::string installed = dir.file("file") + "/bin";
    Paths::Environment environment{"", installed, dir.file("xdg"), dir.file("user")};
    EXPECT_EQ(Paths::settingsDirectory(environment), dir.file("xdg/glowtape/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("xdg/glowtape")));

    // A relative $XDG_CONFIG_HOME is ignored in favour of ~/.config.
    environment.xdgConfigHome = "relative";
    EXPECT_EQ(Paths::settingsDirectory(environment), dir.file("user/.config/glowtape/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("user/.config/glowtape")));
}
