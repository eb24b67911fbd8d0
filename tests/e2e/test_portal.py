"""The system-wide keys in a Wayland session, bound through the desktop portal's global
shortcuts (a stand-in of the portal on the test's own session bus)."""

import json
import os
import signal

from harness import DesktopTestCase, FeedServer, cp932, wait_until
from test_desktop import feed


class PortalTest(DesktopTestCase):
    def start(self, *portal_options):
        """Two feeds, Control + F5 for the next one, a Wayland session with the portal stand-in,
        and the program showing the first feed."""
        server = FeedServer({"/a.xml": feed("First"), "/b.xml": feed("Second")})
        self.addCleanup(server.close)
        self.write_settings_file("news.csv", b"".join(
            cp932("%s,%s,○\r\n" % (name, server.url(path))) for name, path in (("A", "/a.xml"), ("B", "/b.xml"))))
        self.write_settings_file("data.ini", b"[HotKey]\r\nnext=19\r\nback=0\r\n")  # ctrl + F5
        self.start_session_bus()
        self.env["XDG_SESSION_TYPE"] = "wayland"
        self.log = os.path.join(self.root, "portal.log")
        self.pressed = os.path.join(self.root, "pressed")
        portal = self.start_stand_in("portal_stand_in.py", self.log, self.pressed, *portal_options)
        self.start_program()
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【A：")))
        return portal

    def calls(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as source:
            return [json.loads(line) for line in source]

    def test_the_keys_are_bound_through_the_portal_and_its_presses_act(self):
        portal = self.start()
        calls = self.calls
        self.assertTrue(wait_until(lambda: len(calls()) >= 3), calls())
        register, create, bind = calls()[:3]
        self.assertEqual(register, {"call": "Register", "app_id": "glowtape"})
        self.assertEqual(create["call"], "CreateSession")
        self.assertEqual(bind["call"], "BindShortcuts")
        shortcuts = dict(bind["shortcuts"])
        self.assertEqual(list(shortcuts), ["open", "close", "next", "back"])
        self.assertEqual({key: value.get("preferred_trigger") for key, value in shortcuts.items()},
                         {"open": "CTRL+Muhenkan", "close": None, "next": "CTRL+F5", "back": None})
        for value in shortcuts.values():
            self.assertRegex(value["description"], "[ぁ-んァ-ン一-龥]")  # Japanese

        with open(self.pressed, "w") as out:
            out.write("next")
        portal.send_signal(signal.SIGUSR1)
        self.assertIsNotNone(self.wait_for_window(lambda name: name.startswith("Glowtape 【B：")))

    def test_a_refused_session_leaves_the_keys_to_x(self):
        self.start("refuse")
        self.assertTrue(wait_until(lambda: [call["call"] for call in self.calls()] == ["Register", "CreateSession"]),
                        self.calls())
        # The program grabs the keys on X instead (once the refusal has come); this desktop
        # passes them on.
        moved = None
        for _ in range(20):
            self.x("xdotool", "key", "ctrl+F5")
            moved = self.wait_for_window(lambda name: name.startswith("Glowtape 【B："), timeout=3)
            if moved:
                break
        self.assertIsNotNone(moved, self.window_names())
