#include "framework/files/SingleInstance.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// flock locks belong to open file descriptions, so a second SingleInstance in the same
// process is refused just as a second process would be.
TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds) {
    TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    EXPECT_EQ(SingleInstance::lockPath(), runtime.file("Glowtape.lock"));
    {
        SingleInstance first;
        EXPECT_TRUE(first.acquired());
        SingleInstance second;
        EXPECT_FALSE(second.acquired());
    }
    SingleInstance afterwards;
    EXPECT_TRUE(afterwards.acquired());
    qunsetenv("XDG_RUNTIME_DIR");
}

TEST(SingleInstance, ALockOfAKilledProcessDiesWithIt) {
    TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance held;
        const char state = held.acquired() ? 'y' : 'n';
        (void)!write(ready[1], &state, 1);
        pause(); // killed below
        _exit(0);
    }
    char state = 0;
    ASSERT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    {
        SingleInstance whileChildRuns;
        EXPECT_FALSE(whileChildRuns.acquired());
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    SingleInstance next;
    EXPECT_TRUE(next.acquired());
    qunsetenv("XDG_RUNTIME_DIR");
}

// Without a runtime directory the lock lives in a directory of this user's own: one that
// another user made, or that others may write to, could hold a lock that keeps us out.
TEST(SingleInstance, WithoutARuntimeDirectoryAnotherUsersDirectoryIsRefused) {
    TempDir temp;
    TempDir cache;
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", temp.path().c_str());
    qputenv("XDG_CACHE_HOME", cache.path().c_str());
    const std::string own = temp.path() + "/glowtape-" + std::to_string(getuid());
    EXPECT_EQ(SingleInstance::lockPath(), own + "/Glowtape.lock");
    struct stat made {};
    ASSERT_EQ(stat(own.c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);

    // Planted by someone else: writable by all, and (where we may) owned by another user.
    ASSERT_EQ(rmdir(own.c_str()), 0);
    ASSERT_EQ(mkdir(own.c_str(), 0777), 0);
    ASSERT_EQ(chmod(own.c_str(), 0777), 0);
    if (getuid() == 0) {
        ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0);
    }
    const std::string path = SingleInstance::lockPath();
    EXPECT_EQ(path.rfind(cache.path() + "/", 0), 0u) << path;
    SingleInstance held;
    EXPECT_TRUE(held.acquired());
    SingleInstance second;
    EXPECT_FALSE(second.acquired());
    qunsetenv("TMPDIR");
    qunsetenv("XDG_CACHE_HOME");
}
