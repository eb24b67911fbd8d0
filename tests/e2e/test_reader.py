"""The news reader of the real program: opened from the ticker, beside the sign, with the
current article's page from a local server."""

import os

from harness import DesktopTestCase, FeedServer, cp932, wait_until

PAGE_TITLE = "日本語の記事ページ"


def page(title):
    return ("<html><head><meta charset='utf-8'><title>%s</title></head>"
            "<body style='font-size:28px'><h1>%s</h1><p>電光掲示板のニュースを読む。"
            "漢字・ひらがな・カタカナ</p></body></html>" % (title, title)).encode("utf-8")


class ReaderTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/page.html": page(PAGE_TITLE)})
        feed = ("<?xml version='1.0' encoding='UTF-8'?><rss version='2.0'><channel>"
                "<title>ローカル</title><link>%s</link>"
                "<item><title>記事</title><link>%s</link></item></channel></rss>"
                % (self.server.url("/page.html"), self.server.url("/page.html"))).encode("utf-8")
        self.server.documents["/feed.xml"] = feed
        self.addCleanup(self.server.close)
        self.write_settings_file("news.csv", cp932("ローカル,%s,○\r\n" % self.server.url("/feed.xml")))
        self.env.update({"QTWEBENGINE_DISABLE_SANDBOX": "1",
                         "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu"})

    def geometry(self, predicate):
        """x, y, width, height of the first managed window whose name passes."""
        for line in self.x("wmctrl", "-lG").splitlines():
            fields = line.split(None, 7)
            if len(fields) == 8 and predicate(fields[7]):
                return tuple(int(value) for value in fields[2:6])
        return None

    def test_the_show_key_opens_the_reader_below_the_sign_with_the_page(self):
        self.write_settings_file("data.ini", b"[HotKey]\r\nopen=19\r\n")  # Control + F5
        self.start_program()
        ticker_name = self.wait_for_window(lambda name: name.startswith("Glowtape 【ローカル"))
        self.assertTrue(ticker_name, self.window_names())

        self.x("xdotool", "key", "ctrl+F5")
        self.assertTrue(self.wait_for_window(lambda name: name == PAGE_TITLE))
        self.assertTrue(self.server.requested["/page.html"].is_set())

        # The title comes before the first paint: the page has its text once many colours show.
        reader_window = self.x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % PAGE_TITLE).split()[0]
        self.assertTrue(wait_until(lambda: len(set(self.picture(reader_window)[::3])) > 16),
                        "the page was not painted")
        shot = os.path.join(os.environ.get("GLOWTAPE_SHOTS", self.root), "reader.png")
        self.screenshot(shot)
        ticker = self.geometry(lambda name: name == ticker_name)
        reader = self.geometry(lambda name: name == PAGE_TITLE)
        self.assertEqual(reader[0], ticker[0])
        self.assertEqual(reader[2], ticker[2])
        self.assertGreaterEqual(reader[1], ticker[1] + ticker[3])
