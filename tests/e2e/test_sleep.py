"""The sign sleeps while nobody can see it: the screen saver is on or a window covers it. It
stands still, the rotation takes no step and, for the first minute at least, nothing is
downloaded; on waking it goes on from the column where it stopped."""

import os
import subprocess
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until

def feed(title, items):
    entries = "".join("<item><title>%s</title><link>http://127.0.0.1/%d</link></item>" % (item, n)
                      for n, item in enumerate(items))
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>%s</channel></rss>"""
            % (title, entries)).encode("utf-8")


def shift_between(before, after, width, height, limit):
    """How many pixels `after` has moved left from `before` (rows of RGB bytes), between 1 and
    `limit`; None when no such move explains it."""
    row = width * 3
    for shift in range(1, limit + 1):
        if all(after[y * row:y * row + row - shift * 3] == before[y * row + shift * 3:y * row + row]
               for y in range(height)):
            return shift
    return None


class SleepTest(DesktopTestCase):
    HEIGHT = 30  # the part of the sign compared, with the width the test chooses

    def setUp(self):
        super().setUp()
        self.start_session_bus()
        self.start_stand_in("screensaver_standin.py")

    def start_ticker(self, feeds, *settings, compared_width=560):
        self.width = compared_width
        self.server = FeedServer({path: body for path, body, _ in feeds},
                                 {path: delay for path, _, delay in feeds})
        self.addCleanup(self.server.close)
        self.write_settings_file("news.csv", b"".join(
            cp932("%s,%s,○\r\n" % (path[1:], self.server.url(path))) for path, _, _ in feeds))
        self.write_settings_file("glowtape3.ini", "".join(line + "\r\n" for line in settings).encode())
        self.start_program()
        # The welcome line runs out first, which takes a while on a slow sign.
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        self.window = self.x("xdotool", "search", "--name", "^Glowtape ").split()[0]
        self.x("xdotool", "mousemove", "1000", "740")  # the sign stands still under the pointer

    def screen_saver(self, active):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.ScreenSaver",
                        "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver.SetActive",
                        "boolean:" + ("true" if active else "false")],
                       env=self.env, stdout=subprocess.DEVNULL, check=True)

    def sign(self):
        """The sign's pixels, once the window can be read (it may be mapping again)."""
        path = os.path.join(self.root, "sign.rgb")

        def read():
            taken = subprocess.run(["import", "-window", self.window, "-crop",
                                    "%dx%d+0+0" % (self.width, self.HEIGHT), "-depth", "8",
                                    "rgb:" + path],
                                   env=self.env, stderr=subprocess.DEVNULL).returncode == 0
            if taken:
                with open(path, "rb") as source:
                    return source.read()
            return None

        pixels = wait_until(read)
        self.assertIsNotNone(pixels, "the ticker window cannot be read")
        self.assertEqual(len(pixels), self.width * self.HEIGHT * 3)
        return pixels

    def assert_moving(self):
        first = self.sign()
        self.assertTrue(wait_until(lambda: self.sign() != first), "the sign does not move")

    def assert_still(self):
        first = self.sign()
        time.sleep(1.0)
        self.assertTrue(self.sign() == first, "the sign moved while asleep")
        return first

    def wait_still(self):
        """The sign's picture once it has stood still for a second: it falls asleep a moment
        after it is told, later on a busy machine."""
        def still():
            first = self.sign()
            time.sleep(1.0)
            return first if self.sign() == first else None

        picture = wait_until(still)
        self.assertIsNotNone(picture, "the sign did not fall asleep")
        return picture

    def wait_for_shift_from(self, before):
        """How far the sign has moved on from `before`, once it has; None when no picture is
        `before` moved by at most 400 pixels."""
        return wait_until(lambda: shift_between(before, self.sign(), self.width, self.HEIGHT, limit=400))

    def caption(self):
        return next(name for name in self.window_names() if name.startswith("Glowtape"))

    def test_the_screen_saver_stops_the_sign_and_it_goes_on_from_the_same_column(self):
        long_title = "A channel title long enough to fill the sign " * 3
        # Slow, so that the picture taken after waking still overlaps the one before.
        self.start_ticker([("/long.xml", feed(long_title, ["One article", "Another"]), 0)],
                          "[option]", "OP5=60")
        self.assert_moving()

        self.screen_saver(True)
        asleep = self.wait_still()
        self.assert_still()
        self.screen_saver(False)
        self.assertIsNotNone(self.wait_for_shift_from(asleep), "the sign did not go on from where it stopped")
        self.assert_moving()

        # The X server's own screen saver does the same.
        self.x("xset", "s", "activate")
        self.wait_still()
        self.assert_still()
        self.x("xset", "s", "reset")
        self.assert_moving()

    def test_asleep_the_rotation_stands_and_downloads_nothing(self):
        # Short feeds at the default speed, downloaded at every visit: awake, the rotation takes
        # a step and asks the server every second or two.
        self.start_ticker([("/a.xml", feed("Feed A", ["a"]), 0), ("/b.xml", feed("Feed B", ["b"]), 2.0)],
                          "[window]", "W=200", "[option]", "Refresh=0", compared_width=180)
        # A download running when the sign falls asleep ends and its feed is composed, but the
        # sign does not start it.
        self.assertTrue(self.server.requested["/b.xml"].wait(20), "feed B was never asked for")
        self.screen_saver(True)
        self.assertIsNotNone(self.wait_for_window(lambda name: "b.xml" in name))
        self.wait_still()
        hits = dict(self.server.hits)
        caption = self.caption()
        self.assert_still()
        time.sleep(2.0)
        self.assertEqual(dict(self.server.hits), hits, "a feed was downloaded while asleep")
        self.assertEqual(self.caption(), caption)

        self.server.requested["/a.xml"].clear()
        self.screen_saver(False)
        self.assertTrue(self.server.requested["/a.xml"].wait(15), "the rotation did not go on")
        self.assertIsNotNone(self.wait_for_window(lambda name: "a.xml" in name))

    def assert_still_while_hidden(self, hide, show):
        before = self.sign()
        hide()
        time.sleep(6.0)  # awake, the sign would move 200 columns meanwhile, more than it shows
        show()
        # Once shown and painted again, the picture is the one from before, moved on by no
        # more than waking has brought.
        self.assertIsNotNone(self.wait_for_shift_from(before), "the sign moved while it could not be seen")
        self.assert_moving()

    def test_a_window_over_the_whole_screen_or_minimising_stops_the_sign(self):
        self.start_ticker([("/long.xml", feed("Covered channel with a long title " * 4, ["x"]), 0)],
                          "[option]", "OP5=30")
        self.assert_moving()
        cover = []

        def cover_the_screen():
            self._spawn(["xmessage", "-name", "cover", "-geometry", "1024x768+0+0", "cover"])
            cover.append(wait_until(lambda: self.x("xdotool", "search", "--name", "^cover$").split())[0])
            self.x("wmctrl", "-i", "-r", cover[0], "-b", "add,fullscreen")

        self.assert_still_while_hidden(cover_the_screen,
                                       lambda: self.x("xdotool", "windowunmap", cover[0]))

        ticker = next(line.split()[0] for line in self.x("wmctrl", "-l").splitlines()
                      if "Glowtape" in line)
        self.assert_still_while_hidden(lambda: self.x("xdotool", "windowminimize", ticker),
                                       lambda: self.x("wmctrl", "-i", "-a", ticker))

    def test_a_covered_sign_still_stops_after_a_keep_above_change(self):
        # Setting the window's flags gives it the toolkit's own event mask; the visibility
        # events must be asked for again.
        self.start_ticker([("/long.xml", feed("Covered channel with a long title " * 4, ["x"]), 0)],
                          "[option]", "OP5=30")
        x, y, width, height = self.client_geometry(self.window_id("Glowtape"))
        self.x("xdotool", "mousemove", str(x + width // 2), str(y + height // 3), "click", "3")
        time.sleep(0.5)
        # "表示" is the fifth item; its second item is "最前面に表示".
        self.x("xdotool", "key", "--delay", "80", "Down", "Down", "Down", "Down", "Down", "Right", "Down",
               "Return")
        self.assertTrue(wait_until(lambda: "_NET_WM_STATE_ABOVE" in self.x(
            "xprop", "-id", self.window, "_NET_WM_STATE"), timeout=30))
        self.x("xdotool", "mousemove", "1000", "740")
        self.assert_moving()
        cover = []

        def cover_the_screen():
            self._spawn(["xmessage", "-name", "cover", "-geometry", "1024x768+0+0", "cover"])
            cover.append(wait_until(lambda: self.x("xdotool", "search", "--name", "^cover$").split())[0])
            self.x("wmctrl", "-i", "-r", cover[0], "-b", "add,fullscreen")

        self.assert_still_while_hidden(cover_the_screen,
                                       lambda: self.x("xdotool", "windowunmap", cover[0]))
