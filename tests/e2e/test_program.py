"""The real program under Xvfb and openbox: start, title, single instance, save on close."""

import os
import subprocess
import time

from harness import DesktopTestCase, FeedServer, cp932, wait_until

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Local channel</title><link>http://127.0.0.1/</link>
<description>ローカルのニュース</description>
<item><title>最初の記事</title><link>http://127.0.0.1/1</link><description>一つ目</description></item>
<item><title>Second article</title><link>http://127.0.0.1/2?a=1&amp;b=2</link></item>
</channel></rss>""".encode("utf-8")


class ProgramTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/feed.xml": FEED, "/hidden.xml": FEED})
        self.addCleanup(self.server.close)

    def write_feed_list(self, rows):
        data = b"".join(cp932("%s,%s,%s" % row) + b"\r\n" for row in rows)
        self.write_settings_file("news.csv", data)
        return data

    def ticker_window_id(self):
        for line in self.x("wmctrl", "-l").splitlines():
            if "Glowtape" in line:
                return line.split()[0]
        return None

    def close_ticker(self, program):
        window = wait_until(self.ticker_window_id)
        self.assertIsNotNone(window)
        subprocess.run(["wmctrl", "-i", "-c", window], env=self.env, check=False)
        self.assertEqual(program.wait(timeout=60), 0)

    def test_title_names_the_first_shown_feed_and_a_second_start_exits(self):
        hidden = self.server.url("/hidden.xml")
        shown = self.server.url("/feed.xml")
        self.write_feed_list([("隠れたフィード", hidden, "×"), ("ローカル", shown, "○")])
        program = self.start_program()
        title = self.wait_for_window(lambda name: name == "Glowtape 【ローカル：%s】" % shown)
        self.assertIsNotNone(title, self.window_names())

        second = self.start_program()
        self.assertEqual(second.wait(timeout=60), 0)
        self.assertEqual(sum("Glowtape" in name for name in self.window_names()), 1)
        self.assertIsNone(program.poll())

        # The ticker stays off the task bar.
        state = self.x("xprop", "-id", self.ticker_window_id(), "_NET_WM_STATE")
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", state)
        self.screenshot(os.path.join(self.root, "ticker.png"))
        self.close_ticker(program)

    def test_closing_writes_settings_in_order_and_the_feed_list_byte_for_byte(self):
        feeds = self.write_feed_list([("ローカル", self.server.url("/feed.xml"), "○"),
                                      ("重複", "http://", "×"), ("重複", "http://", "×"),
                                      ("空の旗", "http://127.0.0.1:9/", "")])
        self.write_settings_file("glowtape3.ini", b"[option]\r\nOP5=20\r\nRever=no\r\nOP0=True\r\n")
        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        self.close_ticker(program)

        self.assertEqual(self.read_settings_file("news.csv"), feeds)
        ini = self.read_settings_file("glowtape3.ini").decode("cp932")
        sections = [line for line in ini.split("\r\n") if line.startswith("[")]
        self.assertEqual(sections, ["[option]", "[window]", "[window2]", "[window3]", "[window5]",
                                    "[color]", "[font]", "[select]", "[filter]", "[account]"])
        option_keys = [line.split("=")[0] for line in ini.split("[option]\r\n")[1].split("\r\n[")[0].split("\r\n") if line]
        self.assertEqual(option_keys, ["OP5", "Rever", "OP0", "urlEXE", "DefUri", "OP2", "OP4", "OP6",
                                       "OP7", "OP8", "OP9", "OP10", "OP11", "OP12", "OP13", "OP15",
                                       "OP16", "Direct", "Hover", "Refresh", "NewMark", "Notify",
                                       "Language"])
        self.assertIn("OP5=20\r\n", ini)
        self.assertIn("Rever=true\r\n", ini)  # only "false" turns reversing off
        self.assertIn("OP0=false\r\n", ini)  # "True" is not "true"
        self.assertIn("[color]\r\nfont=clLime\r\ntitle=clYellow\r\ndark=$00404000\r\nback=clBlack\r\ndec=clWhite\r\nmark=clRed\r\nnew=clAqua\r\n", ini)

    def test_without_any_file_the_program_warns_and_starts_with_defaults(self):
        program = self.start_program()
        warning = self.wait_for_window(lambda name: name == "警告")
        self.assertIsNotNone(warning, self.window_names())
        subprocess.run(["xdotool", "search", "--name", "^警告$", "windowactivate", "--sync",
                        "key", "Return"], env=self.env, check=False)
        self.assertIsNotNone(self.wait_for_window(lambda name: name == "Glowtape"))
        self.assertFalse(os.path.exists(os.path.join(self.settings, "glowtape3.ini")))
        self.close_ticker(program)

        self.assertEqual(self.read_settings_file("news.csv"), b"")
        ini = self.read_settings_file("glowtape3.ini").decode("cp932")
        self.assertTrue(ini.startswith("[window]\r\nH=90\r\nW=600\r\nT=0\r\nL=0\r\nB=3\r\n"), ini[:80])
        self.assertIn("[font]\r\nname1=ＭＳ Ｐゴシック\r\nname2=@ＭＳ ゴシック\r\n", ini)

    def test_a_killed_instance_does_not_block_the_next_start(self):
        self.write_feed_list([("ローカル", self.server.url("/feed.xml"), "○")])
        first = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        first.kill()
        first.wait()
        wait_until(lambda: not any("Glowtape" in name for name in self.window_names()))
        second = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【")))
        self.assertIsNone(second.poll())
        self.close_ticker(second)
