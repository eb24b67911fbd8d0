"""Under a compositing manager the X server reports every window as unobscured; the sign
still sleeps when the windows stacked above it cover it wholly, judged from the window
manager's stacking order, and a translucent window over it does not put it to sleep."""

import glob
import os
import subprocess
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until
from test_sleep import feed


def cpu_seconds(pid):
    """The time the process's threads have run, to the nanosecond."""
    total = 0
    for path in glob.glob("/proc/%d/task/*/schedstat" % pid):
        try:
            with open(path) as stat:
                total += int(stat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total / 1e9


class CompositedSleep(DesktopTestCase):
    WIDTH, HEIGHT = 400, 30  # the part of the sign compared

    def setUp(self):
        super().setUp()
        self.start_session_bus()
        self.start_stand_in("screensaver_standin.py")
        self._spawn(["xcompmgr"])
        # It names the window that holds the compositing manager's selection.
        self.assertTrue(wait_until(lambda: self.x("xdotool", "search", "--name", "^xcompmgr$"),
                                   timeout=30), "no compositing manager")
        server = FeedServer({"/long.xml": feed("A channel under a compositor " * 4, ["x"])})
        self.addCleanup(server.close)
        self.write_settings_file("news.csv", cp932("long,%s,○\r\n" % server.url("/long.xml")))
        self.write_settings_file("glowtape3.ini", b"[option]\r\nOP5=30\r\n")
        self.program = self.start_program()
        # The welcome line moves as well as a feed would: no need to wait for the feed.
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape"),
                                                  timeout=60))
        self.window = self.window_id("Glowtape")
        self.x("xdotool", "mousemove", "1000", "740")  # the sign stands still under the pointer

    def sign(self):
        path = os.path.join(self.root, "sign.rgb")

        def read():
            if subprocess.run(["import", "-window", self.window, "-crop",
                               "%dx%d+0+0" % (self.WIDTH, self.HEIGHT), "-depth", "8", "rgb:" + path],
                              env=self.env, stderr=subprocess.DEVNULL).returncode != 0:
                return None
            with open(path, "rb") as source:
                return source.read()

        pixels = wait_until(read, timeout=10)
        self.assertIsNotNone(pixels, "the ticker window cannot be read")
        return pixels

    def moving(self, timeout):
        first = self.sign()
        return wait_until(lambda: self.sign() != first, timeout=timeout, interval=0.05)

    def cover(self, *xprop):
        """A window over the whole screen, above the sign; `xprop` arguments set on it first."""
        self._spawn(["xmessage", "-name", "cover", "-geometry", "1024x768+0+0", "cover"])
        cover = wait_until(lambda: self.window_id("cover"), timeout=30)
        self.assertIsNotNone(cover)
        if xprop:
            self.x("xprop", "-id", cover, *xprop)
        self.x("wmctrl", "-i", "-r", cover, "-b", "add,fullscreen")
        return cover

    def test_a_covered_sign_sleeps_and_wakes_as_soon_as_the_cover_goes(self):
        self.assertTrue(self.moving(10), "the sign does not move")
        cover = self.cover()
        self.assertTrue(wait_until(lambda: not self.moving(1.5), timeout=30), "the covered sign moves")
        used = cpu_seconds(self.program.pid)
        time.sleep(10)
        used = cpu_seconds(self.program.pid) - used
        self.assertLessEqual(used, 0.005, "asleep, the program ran %.3f s in 10 s" % used)

        self.x("xdotool", "windowunmap", cover)
        self.assertTrue(self.moving(2), "the sign did not wake within 2 s")

    def test_a_translucent_window_over_the_sign_leaves_it_awake(self):
        self.cover("-f", "_NET_WM_WINDOW_OPACITY", "32c", "-set", "_NET_WM_WINDOW_OPACITY", "0x80000000")
        time.sleep(1)  # the stacking order is judged anew
        for _ in range(3):
            self.assertTrue(self.moving(10), "the sign sleeps under a translucent window")
