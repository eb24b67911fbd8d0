#!/usr/bin/env python3
"""Prepares a Japanese manual page for groff, which breaks lines only at spaces: allows a
break between any two Japanese characters, and joins source lines without the space that
would otherwise appear between them, and sets lines ragged. Usage: japanese_man_page.py SOURCE OUTPUT"""
import re
import sys

JAPANESE = r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]"
BETWEEN = re.compile(f"({JAPANESE})(?={JAPANESE})")

with open(sys.argv[1], encoding="utf-8") as source:
    lines = source.read().split("\n")
out = []
for index, line in enumerate(lines):
    if not line.startswith("."):
        line = BETWEEN.sub(r"\1\\:", line)
        following = lines[index + 1] if index + 1 < len(lines) else ""
        if (re.search(f"{JAPANESE}$", line) and following and not following.startswith(".")
                and re.match(JAPANESE, following)):
            line += "\\c"
    out.append(line)
    # Without spaces to stretch, justified lines cannot be adjusted: set them ragged.
    if line.startswith(".TH"):
        out.append(".ad l")
with open(sys.argv[2], "w", encoding="utf-8") as output:
    output.write("\n".join(out))
