"""The ticker never stands still while a shown feed exists: a new user's first feed starts it,
and a feed loaded outside the rotation starts it again when it arrives."""

import subprocess
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until


def rss(title, article="記事"):
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>
<item><title>%s</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""" % (title, article)).encode("utf-8")


class RotationTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        # The slow feed answers long after the quick one's lines have run out, however busy
        # the machine.
        self.server = FeedServer({"/quick.xml": rss("Quick"), "/slow.xml": rss("Slow")},
                                 delays={"/slow.xml": 40})
        self.addCleanup(self.server.close)

    def right_click_opens_a_menu(self, program, ticker):
        before = self.visible_windows(program.pid)
        self.click_in(ticker, 40, 15, button=3)
        return self.wait_for_menu(program.pid, before)

    def move_pointer_away(self):
        # The sign stands still under the pointer.
        self.x("xdotool", "mousemove", "1020", "760")

    def sign_picture(self, ticker):
        return subprocess.run(["import", "-window", str(int(ticker, 16)), "-crop", "150x30+0+0", "rgb:-"],
                              env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout

    def sign_moving(self, ticker, seconds=0.25):
        first = self.sign_picture(ticker)
        time.sleep(seconds)
        return first != self.sign_picture(ticker)

    def open_feed_manager(self, program):
        """"コントロール" > "ニュース新規追加" opens the options at the feed manager."""
        ticker = self.window_id("Glowtape")
        self.assertTrue(self.right_click_opens_a_menu(program, ticker), "the menu did not open")
        # Until a feed is composed its items are disabled and the keys pass over them.
        ready = self.window_id("Glowtape 【") is not None
        self.keys(*(["Down"] * (4 if ready else 2)), "Right", *(["Down"] * (2 if ready else 0)), "Return")
        dialog = wait_until(lambda: self.window_id("各種設定"))
        self.assertIsNotNone(dialog, self.window_names())
        self.assertTrue(self.wait_until_active(dialog), "the dialog did not take the keyboard")
        return dialog

    def test_a_new_users_first_feed_scrolls_once_the_dialog_closes(self):
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name == "警告"), self.window_names())
        self.close_window("警告")
        self.assertIsNotNone(self.wait_for_window(lambda name: name == "Glowtape"))
        # The welcome line runs out; nothing is registered, so the sign comes to a stop.
        ticker = self.window_id("Glowtape")
        self.move_pointer_away()
        self.assertTrue(wait_until(lambda: not self.sign_moving(ticker, 1.0)), "the welcome line never ran out")

        dialog = self.open_feed_manager(program)
        self.click_in(dialog, 45, 300)
        self.keys("Tab")
        self.x("xdotool", "type", "--delay", "40", "Quick")
        self.keys("Tab", "ctrl+a")
        self.x("xdotool", "type", "--delay", "20", self.server.url("/quick.xml"))
        self.keys("Tab", "space")
        self.close_window("各種設定")
        self.move_pointer_away()

        title = self.wait_for_window(lambda name: name.startswith("Glowtape 【Quick："))
        self.assertIsNotNone(title, self.window_names())
        ticker = self.window_id("Glowtape 【")
        self.assertTrue(wait_until(lambda: self.sign_moving(ticker)))
        self.assertTrue(self.right_click_opens_a_menu(program, ticker), "the menu did not open")
        self.screenshot(self.root + "/first-feed-menu.png")

    def test_showing_a_slow_feed_now_restarts_the_sign_when_it_arrives(self):
        rows = [("速い", self.server.url("/quick.xml"), "○"), ("遅い", self.server.url("/slow.xml"), "×")]
        self.write_settings_file("news.csv", b"".join(cp932("%s,%s,%s" % row) + b"\r\n" for row in rows))
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【速い")),
                             self.window_names())

        # "今すぐニュースを表示" on the slow feed, from the feed list's own menu.
        dialog = self.open_feed_manager(program)
        self.click_in(dialog, 45, 300)
        self.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Down", "Down", "Menu", "Down", "Return")
        self.assertTrue(self.server.requested["/slow.xml"].wait(60), "the slow feed was not requested")
        self.close_window("各種設定")
        self.move_pointer_away()
        ticker = self.window_id("Glowtape 【")
        # The quick feed's lines run out while the slow one still loads.
        self.assertTrue(wait_until(lambda: not self.sign_moving(ticker, 1.0)), "the sign never ran out")
        self.assertNotIn("/slow.xml", self.server.answered, "the slow feed came before the sign stopped")

        self.assertTrue(wait_until(lambda: "/slow.xml" in self.server.answered))
        # Pictures back to back: the first that differs from the one before shows it moving.
        still = self.sign_picture(ticker)
        deadline = time.monotonic() + 30
        while self.sign_picture(ticker) == still and time.monotonic() < deadline:
            pass
        # At once, not at some later step of the rotation (which a busy machine may slow).
        self.assertLess(time.monotonic() - self.server.answered["/slow.xml"], 10.0,
                        "the sign stayed still after the feed arrived")
        self.assertIsNotNone(self.window_id("Glowtape 【遅い"), self.window_names())
