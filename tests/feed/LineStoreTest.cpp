#include "feed/LineStore.h"

#include <gtest/gtest.h>

TEST(LineStore, ReplacesAndReadsOnlyExistingLines) {
    LineStore store;
    store.append("a");
    store.append("");
    store.append("c");
    EXPECT_EQ(store.count(), 3u);
    store.replace(1, "b");
    store.replace(3, "nowhere");
    EXPECT_EQ(store.count(), 3u);
    EXPECT_EQ(store.line(1), "b");
    EXPECT_EQ(store.line(3), "");
    EXPECT_EQ(store.line(static_cast<std::size_t>(-1)), "");
}

TEST(LineStore, KeepsLongLinesWholeButReadsTheirFirst4096Bytes) {
    LineStore store;
    store.append(std::string(5000, 'x'));
    EXPECT_EQ(store.line(0), std::string(4096, 'x'));
    // A two-byte character across the limit is not split.
    store.append(std::string(4095, 'x') + "\x93\xFA" + "tail");
    EXPECT_EQ(store.line(1), std::string(4095, 'x'));
    store.replace(0, store.line(0) + "y");
    EXPECT_EQ(store.line(0), std::string(4096, 'x'));
}
