#include "framework/files/LinkOpener.h"

#include <gtest/gtest.h>

namespace {

struct Recorder {
    QList<QUrl> opened;
    QList<QPair<QString, QStringList>> started;
    bool programStarts = true;

    LinkOpener opener() {
        return LinkOpener(
            [this](const QUrl& url) {
                opened << url;
                return true;
            },
            [this](const QString& program, const QStringList& args) {
                started << qMakePair(program, args);
                return programStarts;
            });
    }
};

} // namespace

TEST(LinkOpener, DecodesEntitiesOncePerPass) {
    EXPECT_EQ(LinkOpener::decodeEntities("a=1&amp;b=2&lt;&gt;&quot;&apos;"), "a=1&b=2<>\"'");
    EXPECT_EQ(LinkOpener::decodeEntities("&amp;lt; & &unknown;"), "&lt; & &unknown;");
}

TEST(LinkOpener, OpensOnlyWebAndFileLinksWithTheDesktopHandler) {
    Recorder recorder;
    const LinkOpener opener = recorder.opener();
    EXPECT_EQ(opener.open("http://example.com/?a=1&amp;b=2", ""), LinkOpener::Result::Opened);
    EXPECT_EQ(opener.open("HTTPS://example.com/", ""), LinkOpener::Result::Opened);
    EXPECT_EQ(opener.open("file:///tmp/a.html", ""), LinkOpener::Result::Opened);
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0].query(), "a=1&b=2");

    for (const char* hostile : {"/usr/bin/xterm", "javascript:alert(1)", "smb://host/share", ""})
        EXPECT_EQ(opener.open(hostile, ""), LinkOpener::Result::Refused) << hostile;
    EXPECT_EQ(recorder.opened.size(), 3);
    EXPECT_TRUE(recorder.started.isEmpty());
}

TEST(LinkOpener, StartsTheChosenProgramWithTheLinkAsItsOnlyArgument) {
    Recorder recorder;
    const LinkOpener opener = recorder.opener();
    EXPECT_EQ(opener.open("http://example.com/a b;rm -rf ~", "/usr/bin/firefox"),
              LinkOpener::Result::Opened);
    ASSERT_EQ(recorder.started.size(), 1);
    EXPECT_EQ(recorder.started[0].first, "/usr/bin/firefox");
    EXPECT_EQ(recorder.started[0].second, QStringList{"http://example.com/a b;rm -rf ~"});
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST(LinkOpener, FallsBackToTheDesktopHandlerWhenTheProgramFails) {
    Recorder recorder;
    recorder.programStarts = false;
    EXPECT_EQ(recorder.opener().open("http://example.com/", "/no/such/program"),
              LinkOpener::Result::ProgramFailed);
    EXPECT_EQ(recorder.opened.size(), 1);
}

TEST(LinkOpener, AFeedFromTheWebOpensOnlyWebLinks) {
    Recorder recorder;
    const LinkOpener opener = recorder.opener();
    for (const char* feed : {"http://news.example/rss", "HTTPS://news.example/rss"}) {
        EXPECT_EQ(opener.open("file:///home/user/.bashrc", "", feed), LinkOpener::Result::Refused);
        EXPECT_EQ(opener.open("FILE:///usr/share/applications/x.desktop", "/usr/bin/firefox", feed),
                  LinkOpener::Result::Refused);
        EXPECT_EQ(opener.open("https://news.example/1", "", feed), LinkOpener::Result::Opened);
    }
    // A feed read from a local file, and the program's own links, may open local pages.
    EXPECT_EQ(opener.open("file:///tmp/a.html", "", "file:///home/user/feed.xml"),
              LinkOpener::Result::Opened);
    EXPECT_EQ(opener.open("file:///tmp/a.html", "", ""), LinkOpener::Result::Opened);
    EXPECT_EQ(recorder.opened.size(), 4);
    EXPECT_TRUE(recorder.started.isEmpty());
}
