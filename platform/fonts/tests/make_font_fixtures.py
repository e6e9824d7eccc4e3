#!/usr/bin/python3
"""Makes the font fixtures of the session font and launcher tests: a one-face font and a
two-face collection, under family names no system has, so a test can tell them apart
from the fonts already installed.

Usage: make_font_fixtures.py OUTPUT_FOLDER
"""
import sys
from pathlib import Path

from fontTools.ttLib import TTCollection, TTFont

DEJAVU = Path("/usr/share/fonts/truetype/dejavu")


def renamed(source, family, style):
    font = TTFont(DEJAVU / source)
    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for name_id, value in ((1, family), (2, style), (3, f"{family} {style}"),
                           (4, f"{family} {style}"), (6, family.replace(" ", "") + "-" + style)):
        name.setName(value, name_id, 3, 1, 0x409)
    return font


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    renamed("DejaVuSans.ttf", "Melodeck Probe", "Regular").save(out / "Probe.ttf")
    pair = TTCollection()
    pair.fonts = [renamed("DejaVuSans.ttf", "Melodeck Pair", "Regular"),
                  renamed("DejaVuSans-Bold.ttf", "Melodeck Pair", "Bold")]
    pair.save(out / "Pair.ttc")


if __name__ == "__main__":
    main()
