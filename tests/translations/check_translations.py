#!/usr/bin/env python3
"""Fails when a text of the program has no finished translation in a translations/*.ts file.

Every .ts file is brought up to date with the sources in a scratch copy (lupdate), so a text
added to the code but not to the file counts as missing, as does one marked unfinished, an
empty translation, or one that drops or adds a %1-style place holder.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE_HOLDER = re.compile(r"%\d")


def problems(ts_path):
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "missing"
            if kind in ("obsolete", "vanished"):
                continue
            text = "".join(translation.itertext()) if translation is not None else ""
            where = f"{name}: {source!r}"
            if kind == "unfinished" or kind == "missing" or not text:
                yield f"no finished translation for {where}"
            elif sorted(PLACE_HOLDER.findall(source)) != sorted(PLACE_HOLDER.findall(text)):
                yield f"place holders differ in {where}: {text!r}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--translations", required=True)
    args = parser.parse_args()

    files = sorted(pathlib.Path(args.translations).glob("glowtape_*.ts"))
    if not files:
        print("no translations found in", args.translations)
        return 1
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            copy = pathlib.Path(scratch) / ts.name
            shutil.copy(ts, copy)
            subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            args.sources, "-ts", str(copy)], check=True)
            failures += [f"{ts.name}: {problem}" for problem in problems(copy)]
    for failure in failures:
        print(failure)
    print(f"{len(files)} translation(s) checked, {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
