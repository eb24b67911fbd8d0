"""A feed that takes long to answer never stops the ticker window from answering."""

import os

from harness import DesktopTestCase, FeedServer, cp932

QUICK = b"""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Quick</title><link>http://127.0.0.1/</link></channel></rss>"""


class SlowFeedTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        # The slow feed answers long after everything below, however busy the machine: all of
        # it must happen while the feed loads.
        self.server = FeedServer({"/quick.xml": QUICK, "/slow.xml": QUICK}, delays={"/slow.xml": 60})
        self.addCleanup(self.server.close)

    def test_the_menu_opens_and_exit_saves_while_a_feed_loads(self):
        rows = [("速い", self.server.url("/quick.xml"), "○"), ("遅い", self.server.url("/slow.xml"), "○")]
        self.write_settings_file("news.csv", b"".join(cp932("%s,%s,%s" % row) + b"\r\n" for row in rows))
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【速い")))
        # The quick feed's title runs out, then the slow one is requested.
        self.assertTrue(self.server.requested["/slow.xml"].wait(60))
        window = self.x("xdotool", "search", "--name", "^Glowtape ")
        self.assertTrue(window)
        window = window.split()[0]
        before = self.visible_windows(program.pid)

        self.x("xdotool", "mousemove", "--window", window, "20", "10")
        self.x("xdotool", "click", "3")
        self.assertTrue(self.wait_for_menu(program.pid, before), "no menu opened")
        self.assertNotIn("/slow.xml", self.server.answered, "the menu waited for the load")
        self.screenshot(os.path.join(self.root, "menu.png"))

        # "終了" is the menu's last item.
        self.x("xdotool", "key", "Up")
        self.x("xdotool", "key", "Return")
        self.assertEqual(program.wait(timeout=60), 0)
        self.assertNotIn("/slow.xml", self.server.answered, "the exit waited for the load")
        ini = self.read_settings_file("glowtape3.ini").decode("cp932")
        self.assertIn("[option]\r\n", ini)
        self.assertIn("[select]\r\n", ini)
        self.assertEqual(self.read_settings_file("news.csv"),
                         b"".join(cp932("%s,%s,%s" % row) + b"\r\n" for row in rows))
