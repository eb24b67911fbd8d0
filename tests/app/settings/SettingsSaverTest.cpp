#include "app/settings/SettingsSaver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A file that records what was written to it and can be made to refuse writes.
struct FakeFile {
    int value = 0;
    bool refuses = false;
    std::vector<int> written;

    void watchedBy(SettingsSaver& saver, std::chrono::milliseconds interval) {
        saver.watch<int>([this] { return value; },
                         [this](const int& snapshot) {
                             if (refuses)
                                 return Outcome::failure("cannot write");
                             written.push_back(snapshot);
                             return Outcome::success();
                         },
                         interval);
    }
};

template <typename Condition> bool runUntil(Condition condition, std::chrono::milliseconds limit) {
    QDeadlineTimer deadline(limit);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

TEST(SettingsSaver, WritesAChangeSoonAndReportsAFileThatFailsOnceUntilItIsWrittenAgain) {
    std::vector<std::string> reports;
    SettingsSaver saver([&](const std::string& message) { reports.push_back(message); });
    FakeFile file;
    file.value = 7;
    file.watchedBy(saver, 0ms);
    saver.start();

    // What was there at the start counts as written.
    EXPECT_FALSE(runUntil([&] { return !file.written.empty(); }, 1500ms));
    // Changes between two looks are written once, as the last of them.
    file.value = 8;
    file.value = 9;
    ASSERT_TRUE(runUntil([&] { return !file.written.empty(); }, 5s));
    EXPECT_EQ(file.written, std::vector<int>{9});

    file.refuses = true;
    file.value = 10;
    ASSERT_TRUE(runUntil([&] { return !reports.empty(); }, 5s));
    // Neither the next changes nor an explicit save raise a second report ...
    file.value = 11;
    runUntil([] { return false; }, 1500ms);
    saver.flush(false);
    EXPECT_EQ(reports, std::vector<std::string>{"cannot write"});
    // ... until the file has been written again and then fails anew.
    file.refuses = false;
    saver.flush(false);
    EXPECT_EQ(file.written, (std::vector<int>{9, 11}));
    file.refuses = true;
    file.value = 12;
    saver.flush(false);
    EXPECT_EQ(reports.size(), 2u);
}

TEST(SettingsSaver, AWindowsCloseWritesEveryFileUntilOneFailsWhileAFlushWritesEachOnItsOwn) {
    std::vector<std::string> reports;
    SettingsSaver saver([&](const std::string& message) { reports.push_back(message); });
    FakeFile settings, feeds;
    settings.watchedBy(saver, 1h);
    feeds.watchedBy(saver, 1h);
    saver.start();

    saver.writeAll(); // unchanged files are written too
    EXPECT_EQ(settings.written, std::vector<int>{0});
    EXPECT_EQ(feeds.written, std::vector<int>{0});

    settings.refuses = true;
    settings.value = feeds.value = 1;
    saver.writeAll();
    EXPECT_EQ(feeds.written, std::vector<int>{0});
    EXPECT_EQ(reports.size(), 1u);

    // At the end of a session nobody answers a box, and one bad file keeps no other back.
    reports.clear();
    saver.flush(true);
    EXPECT_EQ(feeds.written, (std::vector<int>{0, 1}));
    saver.flush(true); // nothing changed since
    EXPECT_EQ(feeds.written, (std::vector<int>{0, 1}));
    EXPECT_TRUE(reports.empty());
}

} // namespace
