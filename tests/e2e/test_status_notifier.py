"""The icon on a StatusNotifier host: a watcher stand-in on the test's own session bus says a
host is there, so Qt exports the icon as a StatusNotifierItem with the ticker's menu."""

import os
import stat

from harness import DesktopTestCase, FeedServer, cp932, wait_until
from test_desktop import feed


class StatusNotifierTest(DesktopTestCase):
    def bus(self, *arguments):
        return self.x("gdbus", "call", "--session", *arguments)

    def test_the_item_opens_the_article_and_exports_the_tickers_menu(self):
        server = FeedServer({"/a.xml": feed("First")})
        self.addCleanup(server.close)
        self.write_settings_file("news.csv", cp932("A,%s,○\r\n" % server.url("/a.xml")))
        opened = os.path.join(self.root, "opened")
        browser = os.path.join(self.root, "browser.sh")
        with open(browser, "w") as out:
            out.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % opened)
        os.chmod(browser, stat.S_IRWXU)
        self.write_settings_file("glowtape3.ini", ("[option]\r\nurlEXE=%s\r\n" % browser).encode())
        self.start_session_bus()
        log = os.path.join(self.root, "items")
        self.start_stand_in("watcher_stand_in.py", log)

        program = self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【A：")))
        self.assertTrue(wait_until(lambda: os.path.exists(log)), "no item registered")
        with open(log) as source:
            item, named = source.readline().split()
        path = named if named.startswith("/") else "/StatusNotifierItem"

        def item_property(name):
            return self.bus("--dest", item, "--object-path", path, "--method",
                            "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierItem", name)

        def menu_layout():
            menu = item_property("Menu").strip("(<>,)").replace("objectpath ", "").strip("'")
            self.assertTrue(menu.startswith("/"), item_property("Menu"))
            return self.bus("--dest", item, "--object-path", menu, "--method",
                            "com.canonical.dbusmenu.GetLayout", "--", "0", "-1", "[]")

        # The tip names the composed feed.
        self.assertTrue(wait_until(lambda: "Glowtape 【A】" in item_property("ToolTip")), item_property("ToolTip"))

        # The host's one click opens the article on the sign (the feed's own link first).
        self.bus("--dest", item, "--object-path", path, "--method", "org.kde.StatusNotifierItem.Activate", "0", "0")
        self.assertTrue(wait_until(lambda: os.path.exists(opened)), "Activate opened nothing")
        with open(opened) as source:
            self.assertEqual(source.read(), "http://127.0.0.1/\n")

        # The exported menu is the ticker's.
        layout = menu_layout()
        for caption in ("URIへジャンプ", "オプション", "終了"):
            self.assertIn(caption, layout)
        # with the items' states: the border is on.
        self.assertRegex(layout, "'label': <'ボーダーを表示'>, 'toggle-state': <1>")

        # ContextMenu opens it on the screen.
        before = set(self.x("xdotool", "search", "--onlyvisible", "--pid", str(program.pid)).split())
        self.bus("--dest", item, "--object-path", path, "--method", "org.kde.StatusNotifierItem.ContextMenu",
                 "10", "10")
        self.assertTrue(wait_until(lambda: set(self.x("xdotool", "search", "--onlyvisible", "--pid",
                                                      str(program.pid)).split()) - before),
                        "no menu")

        # A border change shows the icon anew: the new item carries the menu with the new state.
        self.x("xdotool", "key", "Escape")
        self.toggle_border_from_menu(self.x("xdotool", "search", "--name", "^Glowtape ").split()[0])
        self.assertTrue(wait_until(lambda: len(open(log).readlines()) >= 2), "the icon was not shown again")
        with open(log) as source:
            item, named = source.readlines()[-1].split()
        path = named if named.startswith("/") else "/StatusNotifierItem"
        self.assertTrue(wait_until(lambda: "'label': <'ボーダーを表示'>, 'toggle-state': <0>" in menu_layout()),
                        menu_layout())
