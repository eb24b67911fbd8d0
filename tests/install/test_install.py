"""The installed program and its Debian package, as a desktop user gets them."""

import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

BUILD = Path(os.environ["GLOWTAPE_BUILD_DIR"])
SOURCE = Path(os.environ["GLOWTAPE_SOURCE_DIR"])

sys.path.insert(0, str(SOURCE / "tests/e2e"))
from harness import DesktopTestCase, FeedServer, cp932  # noqa: E402

PROGRAM_FILES = {
    "usr/bin/glowtape",
    "usr/bin/glowtape-feed",
    "usr/lib/glowtape/glowtape-browser.so",
    "usr/share/applications/glowtape.desktop",
    "usr/share/metainfo/glowtape.metainfo.xml",
    "usr/share/icons/hicolor/scalable/apps/glowtape.svg",
    "usr/share/man/man1/glowtape.1.gz",
    "usr/share/man/man1/glowtape-feed.1.gz",
    "usr/share/man/ja/man1/glowtape.1.gz",
    "usr/share/man/ja/man1/glowtape-feed.1.gz",
}
PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICON_FILES = {f"usr/share/icons/hicolor/{s}x{s}/apps/glowtape.png" for s in PNG_SIZES}


def files_under(root):
    return {str(p.relative_to(root)) for p in Path(root).rglob("*") if not p.is_dir()}


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, **options)


def install(root):
    result = run("cmake", "--install", str(BUILD), "--prefix", "/usr",
                 env={**os.environ, "DESTDIR": str(root)})
    assert result.returncode == 0, result.stderr


def needed_libraries(binary):
    dynamic = run("readelf", "--dynamic", str(binary)).stdout
    return [line.split("[")[1].rstrip("]") for line in dynamic.splitlines() if "(NEEDED)" in line]


class InstalledCopy(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.root = Path(cls.tmp.name) / "root"
        install(cls.root)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_file_list_and_validators(self):
        self.assertEqual(files_under(self.root), PROGRAM_FILES | ICON_FILES)
        for size in PNG_SIZES:
            png = self.root / f"usr/share/icons/hicolor/{size}x{size}/apps/glowtape.png"
            header = png.read_bytes()[:24]
            self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(int.from_bytes(header[16:20], "big"), size)

        desktop = self.root / "usr/share/applications/glowtape.desktop"
        result = run("desktop-file-validate", str(desktop))
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
        entry = desktop.read_text(encoding="utf-8")
        for line in ("Exec=glowtape", "Icon=glowtape", "Categories=Network;News;"):
            self.assertIn(line + "\n", entry)
        self.assertIn("Name[ja]=", entry)
        self.assertIn("Comment[ja]=", entry)

        result = run("appstreamcli", "validate", "--no-net",
                     str(self.root / "usr/share/metainfo/glowtape.metainfo.xml"))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_manual_pages_render_without_warnings(self):
        for folder, locale, heading in (("man1", "C.UTF-8", "EXIT STATUS"),
                                        ("ja/man1", "ja_JP.UTF-8", "終了ステータス")):
            for page in ("glowtape.1.gz", "glowtape-feed.1.gz"):
                result = run("man", "--warnings", "-l",
                             str(self.root / "usr/share/man" / folder / page),
                             env={**os.environ, "MANWIDTH": "80", "LC_ALL": locale})
                self.assertEqual((result.returncode, result.stderr), (0, ""), f"{folder}/{page}")
                self.assertIn(heading, result.stdout)

    def test_installed_feed_tool_reads_a_sample_feed(self):
        result = run(str(self.root / "usr/bin/glowtape-feed"), "--json",
                     str(SOURCE / "samples/feeds/world.xml"))
        self.assertEqual(result.returncode, 0, result.stderr)
        report = json.loads(result.stdout)
        self.assertTrue(report["ok"])
        self.assertGreater(len(report["records"]), 1)
        self.assertTrue(all(r["title"] for r in report["records"]))

    def test_installed_program_keeps_settings_in_the_configuration_directory(self):
        # The DESTDIR's bin folder is writable here, as /usr/bin is for root and
        # ~/.local/bin is for its owner; the installed copy must still not use it.
        home = Path(self.tmp.name) / "home"
        home.mkdir()
        env = {**os.environ, "HOME": str(home), "XDG_CONFIG_HOME": str(home / "config"),
               "XDG_RUNTIME_DIR": str(home), "QT_QPA_PLATFORM": "offscreen",
               "QTWEBENGINE_DISABLE_SANDBOX": "1"}
        env.pop("GLOWTAPE_HOME", None)
        process = subprocess.Popen([str(self.root / "usr/bin/glowtape")], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 30
            while not (home / "config/glowtape").is_dir() and time.monotonic() < deadline:
                self.assertIsNone(process.poll(), "the program ended early")
                time.sleep(0.1)
        finally:
            process.send_signal(signal.SIGTERM)
            process.wait(timeout=30)
        self.assertTrue((home / "config/glowtape").is_dir())
        self.assertEqual(sorted(os.listdir(self.root / "usr/bin")), ["glowtape", "glowtape-feed"])


    def test_only_the_browser_module_links_the_web_engine(self):
        # Linked into the program, the engine would load the OpenGL driver at every start.
        program = needed_libraries(self.root / "usr/bin/glowtape")
        self.assertIn("libQt6Widgets.so.6", program)
        self.assertFalse([name for name in program if "WebEngine" in name], program)
        module = needed_libraries(self.root / "usr/lib/glowtape/glowtape-browser.so")
        self.assertIn("libQt6WebEngineWidgets.so.6", module)


class InstalledReader(DesktopTestCase):
    """The installed program opens its reader with the installed browser module."""

    def test_the_reader_shows_a_page_through_the_installed_module(self):
        root = Path(self.root) / "install"
        install(root)
        title = "インストール先のページ"
        server = FeedServer({"/page.html": (
            "<html><head><meta charset='utf-8'><title>%s</title></head><body><h1>%s</h1>"
            "</body></html>" % (title, title)).encode("utf-8")})
        self.addCleanup(server.close)
        server.documents["/feed.xml"] = (
            "<?xml version='1.0' encoding='UTF-8'?><rss version='2.0'><channel><title>ローカル"
            "</title><link>%s</link><item><title>記事</title><link>%s</link></item></channel>"
            "</rss>" % (server.url("/page.html"), server.url("/page.html"))).encode("utf-8")
        self.write_settings_file("news.csv",
                                 cp932("ローカル,%s,○\r\n" % server.url("/feed.xml")))
        self.write_settings_file("data.ini", b"[HotKey]\r\nopen=19\r\n")  # Control + F5
        self.env.update({"QTWEBENGINE_DISABLE_SANDBOX": "1",
                         "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu"})
        self._spawn([str(root / "usr/bin/glowtape")])
        self.assertTrue(self.wait_for_window(lambda name: name.startswith("Glowtape 【ローカル")),
                        self.window_names())

        self.x("xdotool", "key", "ctrl+F5")
        # Without its module the reader would say so in a box, and load nothing.
        self.assertTrue(self.wait_for_window(lambda name: name == title, timeout=30),
                        self.window_names())
        self.assertTrue(server.requested["/page.html"].is_set())


class DebianPackage(unittest.TestCase):
    def test_package_fields_and_files(self):
        with tempfile.TemporaryDirectory() as out:
            result = run("cpack", "-G", "DEB", "--config", str(BUILD / "CPackConfig.cmake"),
                         "-B", out)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            packages = list(Path(out).glob("glowtape_*.deb"))
            self.assertEqual(len(packages), 1, os.listdir(out))
            deb = str(packages[0])

            fields = {}
            for line in run("dpkg-deb", "--field", deb).stdout.splitlines():
                if line[:1] not in (" ", "") and ":" in line:
                    key, value = line.split(":", 1)
                    fields[key] = value.strip()
            self.assertEqual(fields["Package"], "glowtape")
            self.assertEqual(fields["Section"], "net")
            self.assertEqual(fields["Priority"], "optional")
            self.assertEqual(fields["Architecture"],
                             run("dpkg", "--print-architecture").stdout.strip())
            self.assertIn("Glowtape developers <", fields["Maintainer"])
            depends = fields["Depends"]
            for library in ("libqt6widgets6", "libcurl4", "libx11-6", "libc6", "libqt6svg6",
                            "libqt6webenginewidgets6"):
                self.assertIn(library, depends)

            listing = run("dpkg-deb", "--contents", deb).stdout.splitlines()
            # "./usr/bin/glowtape" is the sixth column of each tar listing line.
            packed = {line.split(maxsplit=5)[5][2:] for line in listing
                      if not line.startswith("d")}
            self.assertEqual(packed, PROGRAM_FILES | ICON_FILES)


if __name__ == "__main__":
    unittest.main()
