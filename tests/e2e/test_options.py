"""The options dialog, opened and used as a user would: context menu, keyboard and mouse."""

import os
import subprocess

from harness import DesktopTestCase, FeedServer, cp932, wait_until

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Local channel</title><link>http://127.0.0.1/</link>
<item><title>記事</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""".encode("utf-8")


class OptionsTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/feed.xml": FEED})
        self.addCleanup(self.server.close)

    def window_id(self, name):
        found = self.x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name)
        return found.splitlines()[0] if found else None

    def test_the_dot_size_chosen_in_the_dialog_is_saved(self):
        self.write_settings_file("news.csv", cp932("ローカル,%s,○\r\n" % self.server.url("/feed.xml")))
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        ticker = wait_until(lambda: self.window_id("Glowtape 【.*"))
        self.assertIsNotNone(ticker)

        # Right-click the sign; from the bottom of the menu: 終了, ヘルプ, オプション.
        before = self.visible_windows(program.pid)
        self.x("xdotool", "mousemove", "--window", ticker, "100", "20", "click", "3")
        self.assertTrue(self.wait_for_menu(program.pid, before), "the menu did not open")
        self.x("xdotool", "key", "Up", "Up", "Up", "Return")
        dialog = wait_until(lambda: self.window_id("各種設定"))
        self.assertIsNotNone(dialog, self.window_names())
        self.assertTrue(self.wait_until_active(dialog), "the dialog did not take the keyboard")

        # The category "液晶設定" (second item of the list), then the dot-size trackbar's
        # handle at its design position 3 of 1 ... 5, then End for the largest dots.
        page = "300x60+200+80"  # around the trackbar, away from the category list
        before = self.picture(dialog, page)
        self.x("xdotool", "mousemove", "--window", dialog, "45", "64", "click", "1")
        self.assertTrue(self.wait_for_change(dialog, before, page), "the page did not change")
        self.x("xdotool", "mousemove", "--window", dialog, "378", "105", "click", "1")
        self.x("xdotool", "key", "End")
        self.screenshot(self.root + "/options.png")

        # Closing the dialog saves the settings and leaves the program running.
        subprocess.run(["wmctrl", "-c", "各種設定"], env=self.env, check=False)
        self.assertTrue(wait_until(lambda: b"OP10=5\r\n" in self.saved_settings()),
                        self.saved_settings())
        self.assertIsNone(program.poll())

    def saved_settings(self):
        path = os.path.join(self.settings, "glowtape3.ini")
        return self.read_settings_file("glowtape3.ini") if os.path.exists(path) else b""
