#include "framework/files/InternetShortcut.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(InternetShortcut, TheUrlIsReadLikeAnyProfileKeyAndMissingPiecesGiveNothing) {
    TempDir dir;
    dir.write("a.url", "[DEFAULT]\r\nBASEURL=http://base/\r\n[internetshortcut]\r\n"
                       "url = \"http://127.0.0.1/page\"\r\nIconIndex=0\r\n");
    dir.write("b.URL", "[InternetShortcut]\r\nIconFile=x\r\n");
    EXPECT_EQ(internetshortcut::urlOf(dir.file("a.url")), "http://127.0.0.1/page");
    EXPECT_EQ(internetshortcut::urlOf(dir.file("b.URL")), "");
    EXPECT_EQ(internetshortcut::urlOf(dir.file("missing.url")), "");

    EXPECT_TRUE(internetshortcut::isShortcutFile("News.URL"));
    EXPECT_TRUE(internetshortcut::isShortcutFile(".url"));
    EXPECT_FALSE(internetshortcut::isShortcutFile("news.url.txt"));
    EXPECT_FALSE(internetshortcut::isShortcutFile("url"));
}

} // namespace
