"""The interface's language: the desktop's locale or the option chooses it; the menu a
StatusNotifier host reads and the first-run warning speak it."""

import os
import re

from harness import DesktopTestCase, FeedServer, cp932, wait_until
from test_desktop import feed

JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")


class LanguageTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        server = FeedServer({"/a.xml": feed("First")})
        self.addCleanup(server.close)
        self.feed_url = server.url("/a.xml")
        self.start_session_bus()
        self.items = os.path.join(self.root, "items")
        self.start_stand_in("watcher_stand_in.py", self.items)

    def bus(self, *arguments):
        return self.x("gdbus", "call", "--session", *arguments)

    def run_program(self, lang, language=None, **variables):
        """Starts the program in a locale (and with option Language) and returns it."""
        self.use_locale(lang, **variables)
        settings = "[option]\r\nLanguage=%s\r\n" % language if language else ""
        self.write_settings_file("glowtape3.ini", settings.encode())
        if os.path.exists(self.items):
            os.remove(self.items)
        program = self.start_program()
        self.addCleanup(program.kill)
        return program

    def stop(self, program):
        program.kill()
        program.wait()

    def menu_labels(self, lang, language=None):
        """The labels of the ticker's menu as a StatusNotifier host reads them."""
        self.write_settings_file("news.csv", cp932("A,%s,○\r\n" % self.feed_url))
        program = self.run_program(lang, language)
        self.assertTrue(wait_until(lambda: os.path.exists(self.items) and open(self.items).read(),
                                   timeout=60), "no item registered")
        with open(self.items) as source:
            item, named = source.readline().split()
        path = named if named.startswith("/") else "/StatusNotifierItem"
        menu = self.bus("--dest", item, "--object-path", path, "--method",
                        "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierItem", "Menu")
        menu = menu.strip("(<>,)").replace("objectpath ", "").strip("'")
        layout = self.bus("--dest", item, "--object-path", menu, "--method",
                          "com.canonical.dbusmenu.GetLayout", "--", "0", "-1", "[]")
        self.stop(program)
        return re.findall(r"'label': <'([^']*)'>", layout)

    def first_run_warning(self, lang):
        """The title and text of the box that tells a first start that no feed is registered."""
        feeds = os.path.join(self.settings, "news.csv")
        if os.path.exists(feeds):
            os.remove(feeds)
        program = self.run_program(lang)
        title = self.wait_for_window(lambda name: name in ("Warning", "警告"), timeout=60)
        self.stop(program)
        return title

    def test_english_and_german_desktops_get_the_english_interface(self):
        self.assertEqual(self.first_run_warning("de_DE.UTF-8"), "Warning")
        for lang in ("en_US.UTF-8", "de_DE.UTF-8"):
            labels = self.menu_labels(lang)
            self.assertIn("Exit", labels, lang)
            self.assertEqual([label for label in labels if JAPANESE.search(label)], [], lang)

    def test_japanese_and_c_keep_the_programs_texts_and_the_option_overrides_the_desktop(self):
        self.assertEqual(self.first_run_warning("ja_JP.UTF-8"), "警告")
        for lang in ("ja_JP.UTF-8", "C.UTF-8"):
            labels = self.menu_labels(lang)
            self.assertIn("終了", labels, lang)
            self.assertIn("URIへジャンプ", labels, lang)
        self.assertIn("Exit", self.menu_labels("ja_JP.UTF-8", language="en"))
        self.assertIn("終了", self.menu_labels("en_US.UTF-8", language="ja"))
