"""The installed program and its Debian package, as a desktop user gets them."""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

BUILD = Path(os.environ["GLOWTAPE_BUILD_DIR"])
SOURCE = Path(os.environ["GLOWTAPE_SOURCE_DIR"])

PROGRAM_FILES = {
    "usr/bin/glowtape",
    "usr/bin/glowtape-feed",
    "usr/share/applications/glowtape.desktop",
    "usr/share/metainfo/glowtape.metainfo.xml",
    "usr/share/icons/hicolor/scalable/apps/glowtape.svg",
    "usr/share/man/man1/glowtape.1.gz",
    "usr/share/man/man1/glowtape-feed.1.gz",
}
PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICON_FILES = {f"usr/share/icons/hicolor/{s}x{s}/apps/glowtape.png" for s in PNG_SIZES}


def files_under(root):
    return {str(p.relative_to(root)) for p in Path(root).rglob("*") if not p.is_dir()}


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, **options)


class InstalledCopy(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.root = Path(cls.tmp.name) / "root"
        result = run("cmake", "--install", str(BUILD), "--prefix", "/usr",
                     env={**os.environ, "DESTDIR": str(cls.root)})
        assert result.returncode == 0, result.stderr

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
        for page in ("glowtape.1.gz", "glowtape-feed.1.gz"):
            result = run("man", "--warnings", "-l", str(self.root / "usr/share/man/man1" / page),
                         env={**os.environ, "MANWIDTH": "80", "LC_ALL": "C.UTF-8"})
            self.assertEqual((result.returncode, result.stderr), (0, ""), page)
            self.assertIn("EXIT STATUS", result.stdout)

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
            for library in ("libqt6widgets6", "libcurl4", "libx11-6", "libc6", "libqt6svg6"):
                self.assertIn(library, depends)

            listing = run("dpkg-deb", "--contents", deb).stdout.splitlines()
            # "./usr/bin/glowtape" is the sixth column of each tar listing line.
            packed = {line.split(maxsplit=5)[5][2:] for line in listing
                      if not line.startswith("d")}
            self.assertEqual(packed, PROGRAM_FILES | ICON_FILES)


if __name__ == "__main__":
    unittest.main()
