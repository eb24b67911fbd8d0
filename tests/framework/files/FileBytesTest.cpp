#include "framework/files/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::size_t entriesIn(const std::string& directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

} // namespace

TEST(FileBytesReplace, AFailureMidwayLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const std::string old = "title,http://a/,\x81\x9B\r\n";
    dir.write("news.csv", old);
    bool replaced = true;
    {
        FileSizeLimit limit(1000);
        replaced = FileBytes::replace(dir.file("news.csv"), std::string(100000, 'x'));
    }
    EXPECT_FALSE(replaced);
    EXPECT_EQ(dir.read("news.csv"), old);
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    // Without the limit the same replacement goes through completely.
    ASSERT_TRUE(FileBytes::replace(dir.file("news.csv"), std::string(100000, 'x')));
    EXPECT_EQ(dir.read("news.csv"), std::string(100000, 'x'));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(FileBytesReplace, KeepsPermissionsAndFollowsSymbolicLinks) {
    TempDir dir;
    dir.write("real.ini", "old");
    ASSERT_EQ(::chmod(dir.file("real.ini").c_str(), 0640), 0);
    std::filesystem::create_symlink(dir.file("real.ini"), dir.file("link.ini"));
    ASSERT_TRUE(FileBytes::replace(dir.file("link.ini"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(dir.read("real.ini"), "new");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(FileBytesReplace, RefusesReadOnlyFilesAndMissingDirectories) {
    TempDir dir;
    dir.write("ro", "keep");
    ASSERT_EQ(::chmod(dir.file("ro").c_str(), 0444), 0);
    EXPECT_FALSE(FileBytes::replace(dir.file("ro"), "lost"));
    EXPECT_EQ(dir.read("ro"), "keep");
    EXPECT_FALSE(FileBytes::replace(dir.file("no/such/dir/file"), "x"));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(FileBytesRead, DistinguishesMissingEmptyAndNonRegularFiles) {
    TempDir dir;
    EXPECT_EQ(FileBytes::read(dir.file("missing")), std::nullopt);
    dir.write("empty", "");
    EXPECT_EQ(FileBytes::read(dir.file("empty")), std::optional<std::string>(""));
    EXPECT_EQ(FileBytes::read(dir.path()), std::nullopt);
    // A named pipe with no writer would block an ordinary read forever.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(FileBytes::read(dir.file("pipe")), std::nullopt);
    dir.write("ten", "0123456789");
    EXPECT_EQ(FileBytes::read(dir.file("ten"), 9), std::nullopt);
    EXPECT_EQ(FileBytes::read(dir.file("ten"), 10), std::optional<std::string>("0123456789"));
}
