"""Desktop notifications: a new headline with a marked word raises one notification on the
session bus, shown by a real notification daemon (dunst); activating it opens the article
with the chosen program. Without a notification service the ticker carries on."""

import os
import subprocess
import threading
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Local channel</title><link>http://127.0.0.1/</link>
<item><title>Plain news</title><link>http://127.0.0.1/plain</link></item>
<item><title>Linux 6.0 &lt;released&gt;</title><link>http://127.0.0.1/linux</link></item>
</channel></rss>""".encode("utf-8")


class Notifications(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/feed.xml": FEED})
        self.addCleanup(self.server.close)
        self.opened = os.path.join(self.root, "opened.txt")
        opener = os.path.join(self.root, "opener.sh")
        with open(opener, "w") as out:
            out.write('#!/bin/sh\necho "$1" >> "%s"\n' % self.opened)
        os.chmod(opener, 0o755)
        # A fast sign, the recording program as the browser, notices of "linux" on.
        self.write_settings_file("glowtape3.ini", cp932(
            "[option]\r\nurlEXE=%s\r\nOP5=1\r\nOP16=30\r\nNotify=true\r\n"
            "[filter]\r\nMark=LINUX\r\n" % opener))
        self.write_settings_file(
            "news.csv", cp932("ローカル,%s,○\r\n" % self.server.url("/feed.xml")))

    def watch_notify_calls(self):
        """The Notify calls on the bus, as dbus-monitor prints them."""
        monitor = subprocess.Popen(
            ["dbus-monitor", "--session",
             "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.processes.append(monitor)
        self.addCleanup(monitor.stdout.close)
        lines = []
        threading.Thread(target=lambda: lines.extend(monitor.stdout), daemon=True).start()
        return lines

    def test_a_new_marked_headline_raises_one_notice_that_opens_the_article(self):
        self.start_session_bus()
        self._spawn(["dunst"])
        self.assertTrue(wait_until(lambda: self.x("dunstctl", "is-paused") == "false"))
        calls = self.watch_notify_calls()
        program = self.start_program()

        self.assertTrue(wait_until(lambda: self.x("dunstctl", "count", "displayed") == "1",
                                   timeout=60))
        text = "".join(calls)
        self.assertEqual(text.count("member=Notify"), 1, text)
        self.assertIn('string "ローカル"', text)
        self.assertIn('string "Linux 6.0 &lt;released&gt;"', text)

        # Activating the notice opens the article with the chosen program.
        subprocess.run(["dunstctl", "action", "0"], env=self.env, check=False)
        self.assertTrue(wait_until(lambda: os.path.exists(self.opened)))
        with open(self.opened) as opened:
            self.assertEqual(opened.read(), "http://127.0.0.1/linux\n")

        # The fast sign goes round the feed several times: what was announced once is not
        # announced again.
        time.sleep(8)
        self.assertEqual("".join(calls).count("member=Notify"), 1)
        self.assertIsNone(program.poll())

    def test_without_a_notification_service_the_ticker_carries_on(self):
        self.start_session_bus()
        calls = self.watch_notify_calls()
        program = self.start_program()
        self.assertTrue(wait_until(lambda: "member=Notify" in "".join(calls), timeout=60))
        time.sleep(3)
        self.assertIsNone(program.poll())
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape")))
