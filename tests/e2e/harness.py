"""End-to-end harness: one private X server, window manager, home and runtime directory per
test, the real program started in it, and a local HTTP server for feeds."""

import collections
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

PROGRAM = os.environ.get("GLOWTAPE_BINARY", "build/glowtape")


def cp932(text):
    return text.encode("cp932")


class FeedServer:
    """Serves a dictionary of path -> bytes (or a function giving the bytes of each answer)
    on 127.0.0.1 at an ephemeral port. A path in
    `delays` answers that many seconds after its request arrived; `requested[path]` is set
    when a request for it arrives, `hits[path]` counts them, and `answered[path]` holds the
    monotonic time its last answer was sent."""

    def __init__(self, documents, delays=None):
        # Kept, so that a test may add documents that name the server's own address.
        self.documents = documents = dict(documents)
        delays = dict(delays or {})
        self.requested = {path: threading.Event() for path in documents}
        self.hits = collections.Counter()
        self.answered = {}

        requested = self.requested
        hits = self.hits
        answered = self.answered

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                body = documents.get(self.path)
                if body is None:
                    self.send_error(404)
                    return
                hits[self.path] += 1
                requested.setdefault(self.path, threading.Event()).set()
                if callable(body):
                    body = body()
                time.sleep(delays.get(self.path, 0))
                try:
                    self.send_response(200)
                    kind = "text/html" if self.path.endswith(".html") else "application/rss+xml"
                    self.send_header("Content-Type", kind + "; charset=utf-8")
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    self.wfile.write(body)
                    self.wfile.flush()
                    answered[self.path] = time.monotonic()
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the client gave up waiting

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, path):
        return "http://127.0.0.1:%d%s" % (self.server.server_address[1], path)

    def close(self):
        self.server.shutdown()
        self.server.server_close()


# Long enough for a first caption or window on a machine whose cores other tests keep busy; a
# condition that holds returns at once, so only a failure waits this long.
LOADED_MACHINE_TIMEOUT = 60.0


def wait_until(predicate, timeout=LOADED_MACHINE_TIMEOUT, interval=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()


class DesktopTestCase(unittest.TestCase):
    """Each test gets its own Xvfb display with openbox, $HOME, $XDG_RUNTIME_DIR and
    $GLOWTAPE_HOME."""

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="glowtape-e2e-")
        self.home = os.path.join(self.root, "home")
        self.runtime = os.path.join(self.root, "runtime")
        self.settings = os.path.join(self.root, "settings")
        for path in (self.home, self.runtime, self.settings):
            os.makedirs(path, mode=0o700)
        self.processes = []
        self.display = self._start_xvfb()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "GLOWTAPE_HOME": self.settings,
            "QT_QPA_PLATFORM": "xcb",
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        # A bus of the desktop running the tests is never shared; a test that needs one starts
        # its own (start_session_bus).
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        # The program's own (Japanese) texts whatever the machine's language; a test of
        # another language sets it with use_locale().
        self.use_locale("C.UTF-8")
        self._start_window_manager()

    def use_locale(self, lang, **variables):
        """The locale the program starts in: LANG, and any of LANGUAGE, LC_ALL, LC_MESSAGES."""
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(name, None)
        self.env["LANG"] = lang
        self.env.update(variables)

    def tearDown(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    def _start_window_manager(self):
        """openbox, ready once it publishes the work area: on a busy machine that takes longer
        than any fixed pause. One that ends at start is started once more, and what it said
        is reported, so that a machine's fault is not taken for the program's."""
        for _ in range(2):
            openbox = self._spawn(["openbox"])
            wait_until(lambda: openbox.poll() is not None or "=" in self.x("xprop", "-root", "_NET_WORKAREA"),
                       interval=0.05)
            if openbox.poll() is None:
                break
        said = openbox.stderr.read().decode(errors="replace") if openbox.poll() is not None else ""
        self.assertIn("=", self.x("xprop", "-root", "_NET_WORKAREA"),
                      "openbox did not start (exit status %s, X server %s) %s"
                      % (openbox.returncode, "running" if self.xvfb.poll() is None else "gone", said))

    def _start_xvfb(self):
        # Xvfb picks a free display number itself and writes it to the pipe, so that tests
        # running side by side never race for the same number.
        for _ in range(3):
            read_end, write_end = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                                     "-nolisten", "tcp"], pass_fds=(write_end,),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(read_end) as pipe:
                number = pipe.readline().strip()
            self.processes.append(xvfb)
            if not number:
                xvfb.kill()
                continue
            display = ":" + number
            env = dict(os.environ, DISPLAY=display)
            if wait_until(lambda: subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL,
                                                 stderr=subprocess.DEVNULL).returncode == 0):
                self.xvfb = xvfb
                return display
            xvfb.kill()
        raise RuntimeError("no free display for Xvfb")

    def _spawn(self, command, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(command, env=self.env, stderr=subprocess.PIPE, **kwargs)
        self.processes.append(process)
        return process

    def start_session_bus(self):
        """A private session bus for the program and the test's stand-ins; nothing is started
        on demand on it."""
        config = os.path.join(self.root, "session-bus.conf")
        with open(config, "w") as out:
            out.write('<busconfig><type>session</type><listen>unix:tmpdir=%s</listen>'
                      '<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*"/>'
                      '<allow own="*"/><allow eavesdrop="true"/></policy></busconfig>' % self.root)
        daemon = self._spawn(["dbus-daemon", "--nofork", "--print-address=1", "--config-file=" + config],
                             stdout=subprocess.PIPE)
        address = daemon.stdout.readline().decode().strip()
        self.assertTrue(address, "no session bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        return address

    def start_stand_in(self, script, *arguments):
        """A stand-in for a desktop service, run by the system's Python (it has the GObject
        bindings); returns once it says it is ready on the bus."""
        process = self._spawn(["/usr/bin/python3", os.path.join(os.path.dirname(__file__), script)]
                              + list(arguments), stdout=subprocess.PIPE)
        self.assertEqual(process.stdout.readline().strip(), b"ready", script)
        return process

    def start_program(self):
        return self._spawn([PROGRAM])

    def write_settings_file(self, name, data):
        with open(os.path.join(self.settings, name), "wb") as out:
            out.write(data)

    def read_settings_file(self, name):
        with open(os.path.join(self.settings, name), "rb") as source:
            return source.read()

    def x(self, *command):
        result = subprocess.run(list(command), env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
        return result.stdout.strip() if result.returncode == 0 else ""

    def window_names(self):
        """Names of the managed top-level windows, as the window manager lists them."""
        listing = self.x("wmctrl", "-l")
        return [line.split(None, 3)[3] if len(line.split(None, 3)) > 3 else ""
                for line in listing.splitlines()]

    def wait_for_window(self, predicate, timeout=LOADED_MACHINE_TIMEOUT):
        return wait_until(lambda: next((name for name in self.window_names() if predicate(name)), None),
                          timeout=timeout)

    def close_window(self, name):
        subprocess.run(["wmctrl", "-c", name], env=self.env, check=False)

    def client_geometry(self, window):
        info = dict(line.strip().split(": ", 1) for line in self.x("xwininfo", "-id", window).splitlines()
                    if ": " in line)
        return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                int(info["Width"]), int(info["Height"]))

    def toggle_border_from_menu(self, window):
        x, y, width, height = self.client_geometry(window)
        self.x("xdotool", "mousemove", str(x + width // 2), str(y + height // 3), "click", "3")
        subprocess.run(["sleep", "0.5"])
        # "表示" is the fifth item; its first item is "ボーダーを表示".
        self.x("xdotool", "key", "--delay", "80", "Down", "Down", "Down", "Down", "Down", "Right", "Return")

    def window_id(self, prefix):
        """The id of the first managed window whose name starts with `prefix`, or None."""
        for line in self.x("wmctrl", "-l").splitlines():
            fields = line.split(None, 3)
            if len(fields) == 4 and fields[3].startswith(prefix):
                return fields[0]
        return None

    def click_in(self, window, x, y, button=1):
        at = dict(line.split("=") for line in
                  self.x("xdotool", "getwindowgeometry", "--shell", str(int(window, 16))).splitlines())
        self.x("xdotool", "mousemove", str(int(at["X"]) + x), str(int(at["Y"]) + y), "click", str(button))

    def keys(self, *names):
        for name in names:
            self.x("xdotool", "key", name)
            time.sleep(0.15)

    def visible_windows(self, pid):
        return set(self.x("xdotool", "search", "--onlyvisible", "--pid", str(pid)).split())

    def wait_for_menu(self, pid, before):
        """The windows of `pid` shown since `before` was taken: the menu a click opened."""
        return wait_until(lambda: self.visible_windows(pid) - before, interval=0.05)

    def wait_until_active(self, window):
        """Whether `window` (an id as wmctrl or xdotool prints it) gets the keyboard focus."""
        number = int(window, 16) if window.startswith("0x") else int(window)
        return wait_until(lambda: self.x("xdotool", "getactivewindow") == str(number), interval=0.05)

    def picture(self, window, crop=None):
        """The pixels of a window (of its `crop`, "WxH+X+Y") as the X server holds them, or b""
        while it cannot be read."""
        number = str(int(window, 16)) if window.startswith("0x") else window
        command = ["import", "-window", number] + (["-crop", crop] if crop else []) + ["rgb:-"]
        return subprocess.run(command, env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL).stdout

    def wait_for_change(self, window, before, crop=None):
        """Whether the window's pixels come to differ from `before` (a repaint after input)."""
        return wait_until(lambda: self.picture(window, crop) not in (before, b""))

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=False)
