#include "framework/SingleInstance.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
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
