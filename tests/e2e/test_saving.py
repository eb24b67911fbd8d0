"""Nothing the user did is lost when the program is ended from outside: a feed registered
with the options dialog still open survives SIGKILL, and SIGTERM (a logout) saves a moved
window before the program quits."""

import os
import signal
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until


def rss(title):
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>
<item><title>記事</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""" % title).encode("utf-8")


class SavingTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/first.xml": rss("First"), "/new.xml": rss("New")})
        self.addCleanup(self.server.close)
        self.write_settings_file("news.csv", cp932("First,%s,○\r\n" % self.server.url("/first.xml")))

    def wait_for_ticker(self):
        ticker = wait_until(lambda: self.window_id("Glowtape 【First"), timeout=60)
        self.assertIsNotNone(ticker, self.window_names())
        return ticker

    def file_or_empty(self, name):
        path = os.path.join(self.settings, name)
        return self.read_settings_file(name) if os.path.exists(path) else b""

    def test_a_feed_registered_with_the_dialog_open_survives_a_kill(self):
        program = self.start_program()
        ticker = self.wait_for_ticker()
        # "コントロール" > "ニュース新規追加" opens the dialog at the feed manager.
        self.click_in(ticker, 40, 15, button=3)
        time.sleep(0.5)
        self.keys("Down", "Down", "Down", "Down", "Right", "Down", "Down", "Return")
        dialog = wait_until(lambda: self.window_id("各種設定"), timeout=60)
        self.assertIsNotNone(dialog, self.window_names())
        time.sleep(0.5)
        self.click_in(dialog, 45, 300)
        self.keys("Tab")
        self.x("xdotool", "type", "--delay", "40", "Kept")
        self.keys("Tab", "ctrl+a")
        self.x("xdotool", "type", "--delay", "20", self.server.url("/new.xml"))
        self.keys("Tab", "space")
        registered = time.monotonic()

        line = cp932("Kept,%s,○\r\n" % self.server.url("/new.xml"))
        self.assertTrue(wait_until(lambda: line in self.file_or_empty("news.csv"), timeout=30),
                        self.file_or_empty("news.csv"))
        print("news.csv written %.1f s after the feed was registered" % (time.monotonic() - registered))
        self.assertIsNotNone(self.window_id("各種設定"))  # still open
        program.send_signal(signal.SIGKILL)
        program.wait(timeout=20)
        saved = self.read_settings_file("news.csv")
        self.assertTrue(saved.startswith(cp932("First,")), saved)
        self.assertIn(line, saved)

    def test_sigterm_saves_a_moved_window_and_quits(self):
        self.write_settings_file("glowtape3.ini", cp932("[option]\r\nOP0=false\r\n"))
        program = self.start_program()
        ticker = self.wait_for_ticker()
        self.x("xdotool", "windowmove", str(int(ticker, 16)), "210", "310")
        self.assertTrue(wait_until(lambda: self.client_geometry(ticker)[:2] == (210, 310), timeout=30),
                        self.client_geometry(ticker))
        program.send_signal(signal.SIGTERM)
        # Saved, then ended in order: a signal's default action would give -15.
        self.assertEqual(program.wait(timeout=30), 0)
        settings = self.read_settings_file("glowtape3.ini")
        self.assertIn(b"\r\nT=310\r\n", settings)
        self.assertIn(b"\r\nL=210\r\n", settings)
