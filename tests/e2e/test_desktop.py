"""The ticker on the desktop: the strip it docks to, the system-wide keys and the icon in the
notification area, under Xvfb, openbox, trayer and xdotool."""

import os
import subprocess
import sys
import textwrap

from harness import DesktopTestCase, FeedServer, cp932, wait_until


def feed(title):
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>%s</title><link>http://127.0.0.1/</link>
<item><title>%s の記事</title><link>http://127.0.0.1/1</link></item>
</channel></rss>""" % (title, title)).encode("utf-8")


# Another X client that holds Control + F5 on the root window until it is killed.
KEY_HOLDER = textwrap.dedent("""
    import ctypes, sys, time
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XStringToKeysym.restype = ctypes.c_ulong
    x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong,
                           ctypes.c_int, ctypes.c_int, ctypes.c_int]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    display = x.XOpenDisplay(None)
    code = x.XKeysymToKeycode(display, x.XStringToKeysym(b"F5"))
    x.XGrabKey(display, code, 4, x.XDefaultRootWindow(display), 1, 1, 1)  # ControlMask
    x.XSync(display, 0)
    print("held", flush=True)
    time.sleep(600)
""")


class DesktopTest(DesktopTestCase):
    def setUp(self):
        super().setUp()
        self.server = FeedServer({"/a.xml": feed("First"), "/b.xml": feed("Second")})
        self.addCleanup(self.server.close)
        rows = [("A", self.server.url("/a.xml"), "○"), ("B", self.server.url("/b.xml"), "○")]
        self.write_settings_file("news.csv", b"".join(cp932("%s,%s,%s" % row) + b"\r\n" for row in rows))

    def main_settings(self, *lines):
        self.write_settings_file("glowtape3.ini", "".join(line + "\r\n" for line in lines).encode())

    def hot_keys(self, **choices):
        text = "[HotKey]\r\n" + "".join("%s=%d\r\n" % item for item in choices.items())
        self.write_settings_file("data.ini", text.encode())

    def work_area(self):
        values = self.x("xprop", "-root", "_NET_WORKAREA").split("=")[-1].split(",")
        return tuple(int(v) for v in values[:4]) if len(values) >= 4 else None

    def ticker(self):
        return next((line.split()[0] for line in self.x("wmctrl", "-l").splitlines()
                     if " Glowtape" in line), None)

    def wait_for_feed(self, name):
        found = self.wait_for_window(lambda title: title.startswith("Glowtape 【%s：" % name))
        self.assertIsNotNone(found, self.window_names())

    def conflict_boxes(self):
        """The program's message boxes: dialogs titled with the program's name alone."""
        boxes = []
        for window in self.x("xdotool", "search", "--name", "^Glowtape$").split():
            if "DIALOG" in self.x("xprop", "-id", window, "_NET_WM_WINDOW_TYPE"):
                if "IsViewable" in self.x("xwininfo", "-id", window):
                    boxes.append(window)
        return boxes

    def answer_box(self, box):
        self.x("xdotool", "windowactivate", "--sync", box, "key", "Return")
        self.assertTrue(wait_until(lambda: box not in self.conflict_boxes()))

    def close_ticker(self, program):
        subprocess.run(["wmctrl", "-i", "-c", self.ticker()], env=self.env, check=False)
        self.assertEqual(program.wait(timeout=60), 0)

    def exit_from_menu(self, program):
        # A dock has no close box and takes no keyboard focus: a click on "終了", the menu's
        # last item.
        before = set(self.x("xdotool", "search", "--onlyvisible", "--pid", str(program.pid)).split())
        x, y, width, height = self.client_geometry(self.ticker())
        self.x("xdotool", "mousemove", str(x + width // 2), str(y + height // 3), "click", "3")
        menu = self.wait_for_menu(program.pid, before)
        self.assertTrue(menu)
        left, top, width, height = self.client_geometry(menu.pop())
        self.x("xdotool", "mousemove", str(left + width // 2), str(top + height - 10), "click", "1")
        self.assertEqual(program.wait(timeout=60), 0)

    def test_always_show_docks_to_the_bottom_and_closing_gives_the_strip_back(self):
        self.main_settings("[option]", "OP0=false", "OP7=down", "OP8=true",
                      "[window]", "T=100", "L=120", "W=300", "H=60")
        self.assertEqual(self.work_area(), (0, 0, 1024, 768))
        program = self.start_program()
        self.wait_for_feed("A")
        self.assertTrue(wait_until(lambda: self.work_area() == (0, 0, 1024, 708)), self.work_area())
        window = self.ticker()
        self.assertTrue(wait_until(lambda: self.client_geometry(window) == (0, 708, 1024, 60)),
                        self.client_geometry(window))
        self.assertIn("_NET_WM_WINDOW_TYPE_DOCK", self.x("xprop", "-id", window, "_NET_WM_WINDOW_TYPE"))

        self.exit_from_menu(program)
        self.assertTrue(wait_until(lambda: self.work_area() == (0, 0, 1024, 768)), self.work_area())
        saved = self.read_settings_file("glowtape3.ini").decode("cp932")
        # The bounds from before the mode are kept for the next start.
        for line in ("H=60", "W=300", "T=100", "L=120", "OP8=true", "OP7=down"):
            self.assertIn(line + "\r\n", saved)

    def test_the_next_feed_key_works_anywhere_and_again_after_a_border_change(self):
        self.main_settings("[option]", "OP0=true", "[window]", "T=100", "L=100", "W=300", "H=60")
        self.hot_keys(next=19)  # ctrl + F5
        program = self.start_program()
        self.wait_for_feed("A")
        window = self.ticker()
        size = self.client_geometry(window)[2:]
        self.x("xdotool", "key", "ctrl+F5")
        self.wait_for_feed("B")

        self.toggle_border_from_menu(window)
        self.assertTrue(wait_until(
            lambda: "0x2, 0x1, 0x0" in self.x("xprop", "-id", window, "_MOTIF_WM_HINTS")),
            "the border stayed")
        self.assertEqual(self.client_geometry(window)[2:], size)
        self.x("xdotool", "key", "ctrl+F5")
        self.wait_for_feed("A")
        self.close_ticker(program)
        self.assertIn("OP0=false\r\n", self.read_settings_file("glowtape3.ini").decode("cp932"))

    def test_a_key_another_client_holds_is_reported_once_per_registration(self):
        holder = subprocess.Popen([sys.executable, "-c", KEY_HOLDER], env=self.env, stdout=subprocess.PIPE)
        self.processes.append(holder)
        self.assertEqual(holder.stdout.readline().strip(), b"held")
        self.main_settings("[option]", "OP0=true", "[window]", "T=100", "L=100", "W=300", "H=60")
        self.hot_keys(next=19, back=20)  # ctrl + F5 (held elsewhere), ctrl + F6
        program = self.start_program()
        boxes = wait_until(self.conflict_boxes)
        self.assertEqual(len(boxes), 1)
        self.answer_box(boxes[0])
        self.wait_for_feed("A")
        self.assertEqual(self.conflict_boxes(), [])

        # The other slot is registered all the same.
        self.x("xdotool", "key", "ctrl+F6")
        self.wait_for_feed("B")

        # A border change registers the keys anew, and the held one is reported again.
        self.toggle_border_from_menu(self.ticker())
        boxes = wait_until(self.conflict_boxes)
        self.assertEqual(len(boxes), 1)
        self.answer_box(boxes[0])
        self.assertIsNone(program.poll())
        self.close_ticker(program)

    def test_the_icon_is_embedded_in_the_notification_area(self):
        self._spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel",
                     "--width", "100", "--height", "24"])
        panel = wait_until(lambda: next((line.split()[0] for line in self.x("wmctrl", "-l").splitlines()
                                         if line.endswith(" panel")), None))
        self.assertIsNotNone(panel)
        program = self.start_program()
        self.wait_for_feed("A")
        # The icon's window becomes a child of the tray's panel.
        self.assertTrue(wait_until(lambda: "glowtape" in self.x("xwininfo", "-id", panel, "-tree").lower()),
                        self.x("xwininfo", "-id", panel, "-tree"))
        self.screenshot(os.path.join(self.root, "tray.png"))
        self.close_ticker(program)
