"""A feed registered in the options dialog as a user would: typed in, "登録" pressed, the
dialog closed; the feed is in news.csv and the rotation goes to it."""

import subprocess

from harness import DesktopTestCase, FeedServer, cp932, wait_until


def rss(title):
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>
<item><title>記事</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""" % title).encode("utf-8")


class FeedManagerTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/first.xml": rss("First"), "/new.xml": rss("New")})
        self.addCleanup(self.server.close)

    def open_ticker_menu(self, program):
        ticker = wait_until(lambda: self.window_id("Glowtape 【"))
        self.assertIsNotNone(ticker, self.window_names())
        before = self.visible_windows(program.pid)
        self.click_in(ticker, 40, 15, button=3)
        self.assertTrue(self.wait_for_menu(program.pid, before), "the menu did not open")

    def test_a_feed_typed_into_the_dialog_is_saved_and_shown(self):
        first = self.server.url("/first.xml")
        new = self.server.url("/new.xml")
        self.write_settings_file("news.csv", cp932("First,%s,○\r\n" % first))
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【First")))

        # "コントロール" > "ニュース新規追加" opens the dialog at the feed manager.
        self.open_ticker_menu(program)
        self.keys("Down", "Down", "Down", "Down", "Right", "Down", "Down", "Return")
        dialog = wait_until(lambda: self.window_id("各種設定"))
        self.assertIsNotNone(dialog, self.window_names())
        self.assertTrue(self.wait_until_active(dialog), "the dialog did not take the keyboard")
        # Focus to the category list (a click below its items), then the page's fields and
        # its "登録" button in tab order.
        self.click_in(dialog, 45, 300)
        self.keys("Tab")
        self.x("xdotool", "type", "--delay", "40", "New,Feed")
        self.keys("Tab", "ctrl+a")
        self.x("xdotool", "type", "--delay", "20", new)
        self.keys("Tab", "space")
        self.close_window("各種設定")

        line = cp932("New，Feed,%s,○\r\n" % new)
        saved = wait_until(lambda: line in self.read_settings_file("news.csv"))
        self.assertTrue(saved, self.read_settings_file("news.csv"))
        self.assertTrue(self.read_settings_file("news.csv").startswith(cp932("First,")))

        # "コントロール" > "ニュース早送り": the rotation moves on to the new feed.
        self.open_ticker_menu(program)
        self.keys("Down", "Down", "Down", "Down", "Right", "Return")
        title = self.wait_for_window(lambda name: name.startswith("Glowtape 【New，Feed："))
        self.assertIsNotNone(title, self.window_names())
        self.screenshot(self.root + "/feed-manager.png")

        ticker = self.window_id("Glowtape 【")
        subprocess.run(["wmctrl", "-i", "-c", ticker], env=self.env, check=False)
        self.assertEqual(program.wait(timeout=60), 0)
