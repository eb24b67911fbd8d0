#include "feed/compose/LineStore.h"

#include "feed/StoreLines.h"

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
    // The limit counts the code page 932 form: a kanji is two bytes and is not split, while
    // 4096 half-width katakana (three bytes each in UTF-8) are read whole.
    store.append(std::string(4095, 'x') + "日" + "tail");
    EXPECT_EQ(store.line(1), std::string(4095, 'x'));
    std::string katakana;
    for (int i = 0; i < 4097; ++i)
        katakana += "ｱ";
    store.append(katakana);
    EXPECT_EQ(store.line(2), katakana.substr(0, 3 * 4096));
    store.replace(0, store.line(0) + "y");
    EXPECT_EQ(store.line(0), std::string(4096, 'x'));
}

TEST(LineStore, SplitsATextBeforeEachMark) {
    LineStore store;
    store.setSplitBefore("a<b><c", '<');
    EXPECT_EQ(linesOf(store), (Lines{"a", "<b>", "<c"}));
    store.setSplitBefore("<x", '<');
    EXPECT_EQ(linesOf(store), (Lines{"", "<x"}));
    store.setSplitBefore("", '<');
    EXPECT_TRUE(store.empty());
}

TEST(LineStore, ManyReplacementsKeepEveryOtherLine) {
    LineStore store;
    for (int i = 0; i < 100; ++i)
        store.append("line " + std::to_string(i));
    for (int round = 0; round < 50; ++round)
        for (std::size_t i = 0; i < 100; i += 3)
            store.replace(i, std::string(round % 2 ? 40 : 2, 'r') + std::to_string(i));
    for (std::size_t i = 0; i < 100; ++i)
        EXPECT_EQ(store.line(i),
                  i % 3 ? "line " + std::to_string(i) : std::string(40, 'r') + std::to_string(i));
    // A line of the store itself, longer or shorter, can be written back.
    store.replace(1, store.lineView(2));
    store.append(store.lineView(1));
    store.replace(4, store.lineView(4).substr(0, 3));
    EXPECT_EQ(store.line(1), "line 2");
    EXPECT_EQ(store.line(100), "line 2");
    EXPECT_EQ(store.line(4), "lin");
}
