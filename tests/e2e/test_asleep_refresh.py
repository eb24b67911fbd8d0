"""Asleep, the ticker still listens: behind a locked screen the feeds that are due are
downloaded in the background and a new marked headline raises its notification, once; the
sign stands still meanwhile and goes on afterwards."""

import itertools
import subprocess
import threading

from harness import DesktopTestCase, FeedServer, cp932, wait_until


def breaking_news():
    """Each answer carries one more "速報" headline than the one before."""
    counter = itertools.count(1)

    def answer():
        items = "".join("<item><title>速報 %d</title><link>http://127.0.0.1/news/%d</link></item>"
                        % (n, n) for n in range(1, next(counter) + 1))
        return ('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel>'
                "<title>News</title><link>http://127.0.0.1/</link>%s</channel></rss>"
                % items).encode("utf-8")
    return answer


# The server asks to be left alone for an hour: never due while the test runs.
QUIET = ('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>Quiet</title>'
         "<link>http://127.0.0.1/</link><ttl>60</ttl><item><title>速報 quiet</title>"
         "<link>http://127.0.0.1/quiet</link></item></channel></rss>").encode("utf-8")


class AsleepRefresh(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.start_session_bus()
        self.start_stand_in("screensaver_standin.py")
        self._spawn(["dunst"])
        self.assertTrue(wait_until(lambda: self.x("dunstctl", "is-paused") == "false", timeout=30))
        self.server = FeedServer({"/news.xml": breaking_news(), "/quiet.xml": QUIET})
        self.addCleanup(self.server.close)

    def watch_notify_calls(self):
        monitor = self._spawn(
            ["dbus-monitor", "--session",
             "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"],
            stdout=subprocess.PIPE, text=True)
        lines = []
        threading.Thread(target=lambda: lines.extend(monitor.stdout), daemon=True).start()
        return lines

    def screen_saver(self, active):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.ScreenSaver",
                        "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver.SetActive",
                        "boolean:" + ("true" if active else "false")],
                       env=self.env, stdout=subprocess.DEVNULL, check=True)

    def test_a_locked_screen_still_brings_the_notice_of_a_new_marked_headline(self):
        self.write_settings_file("news.csv", cp932("ニュース,%s,○\r\n静か,%s,○\r\n" % (
            self.server.url("/news.xml"), self.server.url("/quiet.xml"))))
        self.write_settings_file("glowtape3.ini", cp932(
            "[option]\r\nOP5=1\r\nRefresh=1\r\nNotify=true\r\n[filter]\r\nMark=速報\r\n"))
        calls = self.watch_notify_calls()
        notices = lambda headline: "".join(calls).count('string "%s"' % headline)
        program = self.start_program()
        self.x("xdotool", "mousemove", "1000", "740")

        # Awake, both feeds are shown once and their marked headlines announced.
        self.assertTrue(wait_until(lambda: notices("速報 quiet") == 1, timeout=90))
        self.assertEqual(notices("速報 1"), 1)
        self.screen_saver(True)
        caption = self.wait_for_window(lambda name: name.startswith("Glowtape"))
        asked = dict(self.server.hits)

        # A minute on, the due feed is asked again, and its new headline is announced.
        self.assertTrue(wait_until(lambda: notices("速報 2") == 1, timeout=150),
                        "no notice while asleep")
        self.assertEqual(self.server.hits["/news.xml"], asked["/news.xml"] + 1)
        self.assertEqual(self.server.hits["/quiet.xml"], asked["/quiet.xml"], "a feed not due was asked")
        self.assertEqual(notices("速報 1"), 1)
        self.assertIn(caption, self.window_names(), "the rotation moved while asleep")

        # Awake again, the sign goes round to the feed and shows the headline announced
        # asleep without announcing it a second time.
        self.screen_saver(False)
        for feed in ("quiet.xml", "news.xml", "quiet.xml"):
            self.assertTrue(self.wait_for_window(lambda name: feed in name, timeout=60), feed)
        self.assertEqual(notices("速報 2"), 1)
        self.assertIsNone(program.poll())
