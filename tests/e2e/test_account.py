"""An aggregator account as a user connects it: a real Tiny Tiny RSS on 127.0.0.1, its
address, user and password typed on "アカウント", "接続" pressed. Its feeds follow the
user's own on the sign, a double-click on one of its headlines marks it read on the
server, and after a restart the keyring gives the password back without asking."""

import os
import subprocess
import sys
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until

SUPPORT = os.path.join(os.path.dirname(__file__), "..", "support")
PASSWORD = "kagi-9f3e7c"


def rss(title):
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>
<item><title>記事</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""" % title).encode("utf-8")


class AccountTest(DesktopTestCase):
    def setUp(self):
        if os.geteuid() != 0 or not os.path.exists("/usr/share/tt-rss/www"):
            self.skipTest("needs root and the tt-rss package")
        super().setUp()
        self.feeds = FeedServer({"/own.xml": rss("Own")})
        self.addCleanup(self.feeds.close)
        self.ttrss = subprocess.Popen([sys.executable, os.path.join(SUPPORT, "ttrss_server.py"),
                                       self.feeds.url("/article"), PASSWORD],
                                      stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.addCleanup(self.stop_ttrss)
        self.port = int(self.ttrss.stdout.readline())
        self.ttrss_dir = self.ttrss.stdout.readline().decode().strip()
        self.start_session_bus()
        keyring = self._spawn(["gnome-keyring-daemon", "--foreground", "--unlock",
                               "--components=secrets"], stdin=subprocess.PIPE)
        keyring.stdin.write(b"test-keyring\n")
        keyring.stdin.close()
        self.assertTrue(wait_until(lambda: "org.freedesktop.secrets" in self.x(
            "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
            "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"), timeout=60))

    def stop_ttrss(self):
        self.ttrss.stdin.close()
        self.ttrss.wait(timeout=60)

    def unread(self):
        result = subprocess.run([sys.executable, os.path.join(SUPPORT, "ttrss_server.py"),
                                 "--unread", self.ttrss_dir], stdout=subprocess.PIPE, text=True)
        return int(result.stdout.strip() or -1)

    def wait_for_account_feed(self):
        return self.wait_for_window(
            lambda name: name.startswith("Glowtape 【Second feed") or
            name.startswith("Glowtape 【第一フィード"), timeout=120)

    def open_one_headline(self, before):
        """Double-clicks the sign until an account headline is on it and opened; the pointer
        leaves the sign after each try, so that it scrolls on."""
        def opened():
            if not self.wait_for_account_feed():
                return False
            ticker = self.window_id("Glowtape 【")
            x, y, width, height = self.client_geometry(ticker)
            self.x("xdotool", "mousemove", str(x + width // 2), str(y + height // 3),
                   "click", "--repeat", "2", "1")
            self.x("xdotool", "mousemove", "0", "700")
            return wait_until(lambda: self.unread() != before, timeout=3)
        self.assertTrue(wait_until(opened, timeout=240, interval=1))
        self.assertEqual(self.unread(), before - 1)

    def test_account_feeds_follow_read_marks_reach_the_server_and_the_keyring_keeps_the_password(self):
        self.write_settings_file("news.csv", cp932("Own,%s,○\r\n" % self.feeds.url("/own.xml")))
        program = self.start_program()
        ticker = wait_until(lambda: self.window_id("Glowtape 【Own"), timeout=60)
        self.assertIsNotNone(ticker, self.window_names())

        # "コントロール" > "ニュース新規追加" opens the options; the last category is "アカウント".
        self.click_in(ticker, 40, 15, button=3)
        time.sleep(0.5)
        self.keys("Down", "Down", "Down", "Down", "Right", "Down", "Down", "Return")
        dialog = wait_until(lambda: self.window_id("各種設定"), timeout=60)
        self.assertIsNotNone(dialog, self.window_names())
        time.sleep(0.5)
        self.click_in(dialog, 45, 330)
        self.keys("End", "Tab", "Tab")
        self.x("xdotool", "type", "--delay", "20", "http://127.0.0.1:%d" % self.port)
        self.keys("Tab")
        self.x("xdotool", "type", "--delay", "20", "admin")
        self.keys("Tab")
        self.x("xdotool", "type", "--delay", "20", PASSWORD)
        self.keys("Tab", "space")

        def listed_feeds():
            path = os.path.join(self.settings, "account_feeds.txt")
            if not os.path.exists(path):
                return 0
            with open(path, encoding="utf-8") as source:
                return source.read().count("\n")
        listed = wait_until(lambda: listed_feeds() == 2, timeout=30)
        if os.environ.get("GLOWTAPE_SHOTS"):
            self.screenshot(os.path.join(os.environ["GLOWTAPE_SHOTS"], "account-page.png"))
        self.assertTrue(listed, self.window_names())
        if os.environ.get("GLOWTAPE_SHOTS"):
            # The feed manager's list, for a person to look at.
            self.click_in(dialog, 45, 330)
            self.keys("Home", "Down", "Down", "Down", "Down")
            time.sleep(1)
            self.screenshot(os.path.join(os.environ["GLOWTAPE_SHOTS"], "feed-manager.png"))
        self.close_window("各種設定")

        self.x("xdotool", "mousemove", "0", "700")
        self.open_one_headline(5)

        subprocess.run(["wmctrl", "-i", "-c", self.window_id("Glowtape 【")], env=self.env)
        self.assertEqual(program.wait(timeout=60), 0)
        # news.csv keeps the user's own feeds only.
        self.assertEqual(self.read_settings_file("news.csv"),
                         cp932("Own,%s,○\r\n" % self.feeds.url("/own.xml")))

        # Next start: the keyring gives the password; a headline opened is read again.
        program = self.start_program()
        self.open_one_headline(4)
        for folder, _, files in os.walk(self.settings):
            for name in files:
                with open(os.path.join(folder, name), "rb") as source:
                    self.assertNotIn(PASSWORD.encode(), source.read(), name)
        subprocess.run(["wmctrl", "-i", "-c", self.window_id("Glowtape 【")], env=self.env)
        self.assertEqual(program.wait(timeout=60), 0)
