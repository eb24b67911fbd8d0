#include "app/FeedList.h"

#include <gtest/gtest.h>

namespace {

FeedEntry feed(const char* title, std::string_view shown = feedmark::Shown) {
    return {title, std::string("http://") + title + "/", std::string(shown)};
}

// Records the model's change notifications as text, in order.
class ChangeLog {
public:
    explicit ChangeLog(FeedList& list) {
        QObject::connect(
            &list, &FeedList::rowsInserted, &context_,
            [this](const QModelIndex&, int first, int last) { add("inserted", first, last); });
        QObject::connect(
            &list, &FeedList::rowsRemoved, &context_,
            [this](const QModelIndex&, int first, int last) { add("removed", first, last); });
        QObject::connect(&list, &FeedList::dataChanged, &context_,
                         [this](const QModelIndex& from, const QModelIndex& to) {
                             add("changed", from.row(), to.row());
                         });
        QObject::connect(&list, &FeedList::modelReset, &context_, [this] { events_ += "reset;"; });
    }
    std::string take() { return std::exchange(events_, {}); }

private:
    void add(const char* what, int first, int last) {
        events_ +=
            std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last) + ";";
    }
    QObject context_;
    std::string events_;
};

std::vector<std::string> titles(const FeedList& list) {
    std::vector<std::string> result;
    for (const FeedEntry& entry : list.entries())
        result.push_back(entry.title);
    return result;
}

} // namespace

TEST(FeedList, EditsKeepOrderAndAnnounceThemselves) {
    FeedList list;
    ChangeLog log(list);
    list.append(feed("a"));
    list.append(feed("c"));
    list.insert(1, feed("b"));
    list.insert(99, feed("d")); // out of range: appended
    EXPECT_EQ(log.take(), "inserted 0-0;inserted 1-1;inserted 1-1;inserted 3-3;");
    EXPECT_EQ(titles(list), (std::vector<std::string>{"a", "b", "c", "d"}));

    list.replace(2, feed("C", feedmark::Hidden));
    list.remove(0);
    list.remove(7);
    list.replace(-1, feed("x"));
    EXPECT_EQ(log.take(), "changed 2-2;removed 0-0;");
    EXPECT_EQ(titles(list), (std::vector<std::string>{"b", "C", "d"}));

    list.setEntries({feed("z"), feed("y")});
    list.clear();
    EXPECT_EQ(log.take(), "reset;reset;");
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.rowCount(), 0);
}

TEST(FeedList, ShownMeansExactlyTheCircleMark) {
    FeedList list;
    list.setEntries({feed("shown"), feed("hidden", feedmark::Hidden), feed("empty", ""),
                     feed("spaced", "\x81\x9B "), feed("ascii", "o")});
    EXPECT_TRUE(list.isShown(0));
    EXPECT_FALSE(list.isShown(1));
    EXPECT_FALSE(list.isShown(2));
    EXPECT_FALSE(list.isShown(3));
    EXPECT_FALSE(list.isShown(4));
    EXPECT_FALSE(list.isShown(5));
    EXPECT_FALSE(list.isShown(-1));
}

TEST(FeedList, ViewsSeeThreeColumnsOfUnicodeText) {
    FeedList list;
    list.append({"日本", "http://x/", std::string(feedmark::Shown)});
    EXPECT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("タイトル"));
    EXPECT_EQ(list.headerData(1, Qt::Horizontal).toString(), QStringLiteral("URI"));
    EXPECT_EQ(list.headerData(2, Qt::Horizontal).toString(), QStringLiteral("表示"));
    EXPECT_EQ(list.data(list.index(0, 0)).toString(), QStringLiteral("日本"));
    EXPECT_EQ(list.data(list.index(0, 1)).toString(), QStringLiteral("http://x/"));
    EXPECT_EQ(list.data(list.index(0, 2)).toString(), QStringLiteral("○"));
    EXPECT_FALSE(list.data(list.index(1, 0)).isValid());
    EXPECT_FALSE(list.data(list.index(0, 0), Qt::DecorationRole).isValid());
}

namespace {

// The account's rows follow the user's own whatever the user does to the list: news.csv,
// written from ownEntries, must never take an account feed in, nor lose an own one.
TEST(FeedList, AccountRowsStayAfterTheUsersOwnAndOutOfTheirEdits) {
    FeedList list;
    list.setEntries({feed("B"), feed("A")});
    list.setAccountEntries({feed("X"), feed("W", feedmark::Hidden)});
    list.append(feed("C"));
    list.insert(99, feed("D"));
    EXPECT_EQ(list.ownCount(), 4);
    EXPECT_EQ(list.entry(4).title, "X");

    list.sortRows([](const FeedEntry& a, const FeedEntry& b) { return a.title < b.title; });
    EXPECT_EQ(list.entry(0).title, "A");
    EXPECT_EQ(list.entry(5).title, "W"); // not sorted in among the own rows

    list.remove(4);
    FeedEntry renamed = feed("Y", feedmark::Hidden);
    list.replace(4, renamed);
    EXPECT_EQ(list.entry(4).title, "X");
    EXPECT_FALSE(list.isShown(4)); // the flag alone is taken

    list.setEntries({feed("E")});
    ASSERT_EQ(list.count(), 3);
    std::vector<std::string> own;
    for (const FeedEntry& entry : list.ownEntries())
        own.push_back(entry.title);
    EXPECT_EQ(own, std::vector<std::string>{"E"});
    EXPECT_TRUE(list.isAccountRow(1));
    EXPECT_FALSE(list.isAccountRow(0));
}

} // namespace
