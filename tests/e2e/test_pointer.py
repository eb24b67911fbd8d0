"""The pointer over the running sign: it holds the sign still, and leaving lets it go on."""

import os
import subprocess
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Pointer channel with a long enough title to scroll</title>
<link>http://127.0.0.1/</link>
<item><title>An article that keeps the sign busy</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""".encode("utf-8")


class PointerTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/feed.xml": FEED})
        self.addCleanup(self.server.close)

    def sign_pixels(self, window):
        path = os.path.join(self.root, "sign.rgb")
        subprocess.run(["import", "-window", window, "-crop", "180x40+0+0", "rgb:" + path],
                       env=self.env, check=True)
        with open(path, "rb") as source:
            return source.read()

    def test_the_sign_stands_still_under_the_pointer(self):
        self.write_settings_file("news.csv", cp932("ローカル,%s,○\r\n" % self.server.url("/feed.xml")))
        self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        window = self.x("xdotool", "search", "--name", "^Glowtape ").split()[0]
        self.x("xdotool", "mousemove", "--window", window, "100", "30")

        def held():
            # Two seconds alike: the tooltip, once shown, lies over the sign too.
            first = self.sign_pixels(window)
            time.sleep(2.0)
            return first if self.sign_pixels(window) == first else None

        still = wait_until(held)
        self.assertIsNotNone(still, "the sign moved under the pointer")

        self.x("xdotool", "mousemove", "600", "600")

        def moving():
            # Three pictures all unlike: more than the tooltip going away.
            shots = []
            for _ in range(3):
                shots.append(self.sign_pixels(window))
                time.sleep(0.3)
            return len(set(shots)) == 3

        self.assertTrue(wait_until(moving), "the sign did not go on after the pointer left")
