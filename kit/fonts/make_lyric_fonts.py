#!/usr/bin/python3
"""Makes the fourteen demo lyric fonts of the launcher's font table.

Each file is one face of a free font from Debian's packages, renamed so that the ten
family names the player offers all exist. They stand in for the legacy Vietnamese
screen fonts a user may own: real files of the same names dropped into the application
folder replace them. CFF-flavoured sources are turned into TrueType outlines, since the
files carry a .ttf name. Each output must cover every Vietnamese letter, or the build
fails, naming the font and the missing letters.

Usage: make_lyric_fonts.py OUTPUT_FOLDER
"""
import shutil
import sys
from pathlib import Path

from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

DEJAVU = Path("/usr/share/fonts/truetype/dejavu")
LIBERATION = Path("/usr/share/fonts/truetype/liberation2")
FREEFONT = Path("/usr/share/fonts/truetype/freefont")
ANDIKA = Path("/usr/share/fonts/truetype/andika")
TEXGYRE = Path("/usr/share/texmf/fonts/opentype/public/tex-gyre")

# File, family, bold, source, Debian package of the source. The order is the launcher's.
# Each of the ten lyric families gets a design of its own, so a change of font shows.
FONTS = [
    ("Vswisec.ttf", "VNI-Swiss-Condense", False, ANDIKA / "Andika-Regular.ttf", "fonts-sil-andika"),
    ("Vswiconn.ttf", "VNswitzerlandCondensed", False, DEJAVU / "DejaVuSansCondensed.ttf", "fonts-dejavu-extra"),
    ("Vswiconb.ttf", "VNswitzerlandCondensed", True, DEJAVU / "DejaVuSansCondensed-Bold.ttf", "fonts-dejavu-extra"),
    ("Vswicobn.ttf", "VNswitzerlandCondBlack", True, TEXGYRE / "texgyreadventor-bold.otf", "fonts-texgyre"),
    ("Vrevue.ttf", "VNI-Revue", False, TEXGYRE / "texgyrebonum-regular.otf", "fonts-texgyre"),
    ("Vntime.ttf", ".VnTime", False, LIBERATION / "LiberationSerif-Regular.ttf", "fonts-liberation2"),
    ("Vntimeb.ttf", ".VnTime", True, LIBERATION / "LiberationSerif-Bold.ttf", "fonts-liberation2"),
    ("Vnhelvs.ttf", ".VnHelvetIns", False, FREEFONT / "FreeSans.ttf", "fonts-freefont-ttf"),
    ("Vnexotic.ttf", ".VnExotic", False, TEXGYRE / "texgyrechorus-mediumitalic.otf", "fonts-texgyre"),
    ("Vnarianb.ttf", ".VnArial Narrow", True, TEXGYRE / "texgyreheroscn-bold.otf", "fonts-texgyre"),
    ("Vnarialb.ttf", ".VnArial", True, LIBERATION / "LiberationSans-Bold.ttf", "fonts-liberation2"),
    ("Vcompacn.ttf", "VNcompact", False, DEJAVU / "DejaVuSerifCondensed.ttf", "fonts-dejavu-extra"),
    ("Vcompacb.ttf", "VNcompact", True, DEJAVU / "DejaVuSerifCondensed-Bold.ttf", "fonts-dejavu-extra"),
    ("Sncencol.ttf", "SVNnew Century cond", False, TEXGYRE / "texgyreschola-regular.otf", "fonts-texgyre"),
]

# Name IDs that carry the family and face names; every record of them, in every
# language, is replaced so no trace of the source's name is left for fontconfig to pick.
FAMILY_NAME_IDS = (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)


def vietnamese_letters():
    text = (Path(__file__).with_name("vietnamese.txt")).read_text(encoding="utf-8")
    lines = [ln for ln in text.splitlines() if ln.strip() and not ln.startswith("#")]
    return {ord(c) for ln in lines for c in ln if not c.isspace()}


def to_truetype(font):
    """Replaces CFF outlines by quadratic TrueType ones, keeping glyph order and metrics."""
    glyph_order = font.getGlyphOrder()
    glyph_set = font.getGlyphSet()
    glyphs = {}
    for name in glyph_order:
        tt_pen = TTGlyphPen(glyph_set)
        # PostScript contours run the other way round from TrueType's.
        glyph_set[name].draw(Cu2QuPen(tt_pen, max_err=1.0, reverse_direction=True))
        glyphs[name] = tt_pen.glyph()

    font["loca"] = newTable("loca")
    glyf = font["glyf"] = newTable("glyf")
    glyf.glyphOrder = glyph_order
    glyf.glyphs = glyphs
    del font["CFF "]
    if "VORG" in font:
        del font["VORG"]
    glyf.compile(font)

    hmtx = font["hmtx"]
    for name, glyph in glyf.glyphs.items():
        advance, _ = hmtx.metrics[name]
        hmtx.metrics[name] = (advance, getattr(glyph, "xMin", 0))

    maxp = font["maxp"] = newTable("maxp")
    maxp.tableVersion = 0x00010000
    maxp.maxZones = 1
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements"):
        setattr(maxp, field, 0)
    maxp.compile(font)

    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = glyph_order
    font.sfntVersion = "\x00\x01\x00\x00"


def rename(font, family, bold):
    style = "Bold" if bold else "Regular"
    full = family if not bold else f"{family} Bold"
    postscript = family.lstrip(".").replace(" ", "") + "-" + style
    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in FAMILY_NAME_IDS]
    for name_id, value in ((1, family), (2, style), (3, f"melodeck demo: {full}"), (4, full),
                           (6, postscript)):
        name.setName(value, name_id, 3, 1, 0x409)
        name.setName(value, name_id, 1, 0, 0)

    # The bold flags decide which file answers a bold request of the family.
    os2 = font["OS/2"]
    os2.usWeightClass = 700 if bold else 400
    os2.fsSelection &= ~(0b1100001)  # italic, bold, regular
    os2.fsSelection |= 0b100000 if bold else 0b1000000
    font["head"].macStyle = 1 if bold else 0


def make(out_dir, file, family, bold, source, package, letters):
    if not source.exists():
        sys.exit(f"make_lyric_fonts: {source} is missing; install the Debian package {package}")
    font = TTFont(source)
    missing = letters - set(font.getBestCmap())
    if missing:
        shown = "".join(chr(c) for c in sorted(missing))
        sys.exit(f"make_lyric_fonts: {source} lacks Vietnamese letters: {shown}")
    if "CFF " in font:
        to_truetype(font)
    rename(font, family, bold)
    font.save(out_dir / file)


def copy_licences(out_dir):
    for package in sorted({row[4] for row in FONTS}):
        shutil.copyfile(Path("/usr/share/doc") / package / "copyright",
                        out_dir / f"LICENSE-{package}.txt")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out_dir = Path(sys.argv[1])
    out_dir.mkdir(parents=True, exist_ok=True)
    letters = vietnamese_letters()
    for row in FONTS:
        make(out_dir, *row, letters)
    copy_licences(out_dir)


if __name__ == "__main__":
    main()
