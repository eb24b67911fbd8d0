"""Characters that Shift-JIS lacks, from news.csv and from a feed, in the real program: the
caption shows them, and news.csv keeps them as references through a restart."""

import os
import subprocess

from harness import DesktopTestCase, FeedServer, cp932, wait_until

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>World</title><link>http://127.0.0.1/</link>
<description>Café 🎉 ニュース</description>
<item><title>Ärzte über 𠮷野家</title><link>http://127.0.0.1/1</link></item>
<item><title>한국어 简体中文 ½ ™ €</title><link>http://127.0.0.1/2</link></item>
<item><title>emoji 😀👍🏽 and ☃</title><link>http://127.0.0.1/3</link></item>
</channel></rss>""".encode("utf-8")


class CharactersTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/feed.xml": FEED})
        self.addCleanup(self.server.close)

    def close_ticker(self, program):
        window = wait_until(lambda: next((line.split()[0] for line in self.x("wmctrl", "-l").splitlines()
                                          if "Glowtape" in line), None))
        self.assertIsNotNone(window)
        subprocess.run(["wmctrl", "-i", "-c", window], env=self.env, check=False)
        self.assertEqual(program.wait(timeout=60), 0)

    def test_the_caption_shows_them_and_news_csv_keeps_them_through_a_restart(self):
        uri = self.server.url("/feed.xml")
        # An escaped "&" before text that would read as a reference, Korean, and a private use
        # character in the bytes of Shift-JIS's user-defined area.
        feeds = (cp932("Caf&#233; &#127881; 世界,%s,○\r\n" % uri) +
                 cp932("&#38;#233; &#54620;,http://,×\r\n") +
                 b"\xf0\x40,http://pua,\x81\x7e\r\n")
        self.write_settings_file("news.csv", feeds)
        caption = "Glowtape 【Café 🎉 世界：%s】" % uri
        for _ in range(2):
            program = self.start_program()
            self.assertIsNotNone(self.wait_for_window(lambda name: name == caption),
                                 self.window_names())
            self.screenshot(os.path.join(self.root, "characters.png"))
            self.close_ticker(program)
            self.assertEqual(self.read_settings_file("news.csv"), feeds)
