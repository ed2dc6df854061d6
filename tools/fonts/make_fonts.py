#!/usr/bin/python3
"""Writes the program's fonts and their licence texts into res/fonts/.

The icon font and the two PT Sans faces are copied byte for byte from Debian's packages. The
zodiac font "Vendarion" is cut from DejaVu Sans: the space and the twelve sign glyphs
U+2648..U+2653, rescaled to PT Sans's 1000 units per em and given PT Sans's vertical metrics.
Qt takes the line metrics of a text from the first family of its family list, so a label set in
"Vendarion, PT Sans" must measure exactly like PT Sans or every such line gets DejaVu's taller
line height.

Run with Debian's interpreter, which has python3-fonttools: /usr/bin/python3 make_fonts.py
Two runs write identical files.
"""

import os
import re
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.scaleUpem import scale_upem

FONT_AWESOME = "/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf"
PT_SANS = "/usr/share/fonts/truetype/paratype/PTS55F.ttf"
PT_SANS_BOLD = "/usr/share/fonts/truetype/paratype/PTS75F.ttf"
DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
COPYRIGHT_FONT_AWESOME = "/usr/share/doc/fonts-font-awesome/copyright"
COPYRIGHT_PARATYPE = "/usr/share/doc/fonts-paratype/copyright"

SPACE = 0x20
ZODIAC = list(range(0x2648, 0x2654))  # Aries .. Pisces
FAMILY = "Vendarion"
VERSION = "Version 1.000"

# Windows Unicode BMP, US English: the only name records Qt and FreeType need.
WINDOWS = (3, 1, 0x409)
NAME_COPYRIGHT, NAME_FAMILY, NAME_SUBFAMILY, NAME_UNIQUE, NAME_FULL, NAME_VERSION = range(6)
NAME_POSTSCRIPT = 6
NAME_LICENSE, NAME_LICENSE_URL = 13, 14
USE_TYPO_METRICS = 1 << 7
HEAD_INTEGER_PPEM = 1 << 3


def fail(message):
    sys.exit("make_fonts.py: " + message)


def family_of(font):
    return font["name"].getDebugName(NAME_FAMILY)


def check_source(path, family):
    if not os.path.isfile(path):
        fail(f"{path} is missing; install the Debian packages named in tools/fonts/README.md")
    font = TTFont(path, lazy=True)
    if family_of(font) != family:
        fail(f"{path} holds family {family_of(font)!r}, expected {family!r}")


def debian_license(copyright_path, name):
    """The text of the 'License: <name>' field of a machine-readable Debian copyright file.

    The format indents continuation lines by one blank and writes an empty line as ' .'; undoing
    exactly that gives back the licence as its authors wrote it.
    """
    with open(copyright_path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for i, line in enumerate(lines):
        if line.strip() == f"License: {name}" and i + 1 < len(lines) and lines[i + 1].startswith(" "):
            body = []
            for cont in lines[i + 1:]:
                if not cont.startswith(" "):
                    break
                text = cont[1:].rstrip()
                body.append("" if text == "." else text)
            return "\n".join(body).strip("\n") + "\n"
    fail(f"no licence text {name!r} in {copyright_path}")


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def cut_zodiac_font(target):
    pt_sans = TTFont(PT_SANS)
    font = TTFont(DEJAVU_SANS)
    # Keep DejaVu's dates in 'head' rather than stamping the time of the run.
    font.recalcTimestamp = False

    options = subset.Options()
    options.hinting = False  # DejaVu's instructions are meaningless after rescaling
    options.layout_features = []
    options.drop_tables += ["GDEF", "GPOS", "GSUB", "kern", "MATH", "FFTM"]
    options.name_IDs = [NAME_COPYRIGHT, NAME_LICENSE, NAME_LICENSE_URL]
    options.name_languages = [WINDOWS[2]]
    options.name_legacy = False
    options.glyph_names = False
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[SPACE] + ZODIAC)
    subsetter.subset(font)

    upem = pt_sans["head"].unitsPerEm
    scale_upem(font, upem)

    # PT Sans's vertical metrics, all three sets, so every renderer picks the same numbers.
    for attr in ("ascent", "descent", "lineGap"):
        setattr(font["hhea"], attr, getattr(pt_sans["hhea"], attr))
    os2, pt_os2 = font["OS/2"], pt_sans["OS/2"]
    for attr in ("sTypoAscender", "sTypoDescender", "sTypoLineGap", "usWinAscent", "usWinDescent"):
        setattr(os2, attr, getattr(pt_os2, attr))
    os2.fsSelection = (os2.fsSelection & ~USE_TYPO_METRICS) | (pt_os2.fsSelection & USE_TYPO_METRICS)
    # Labels set in "Vendarion, PT Sans" take their spaces from the first family that has one.
    font["hmtx"]["space"] = (pt_sans["hmtx"][pt_sans.getBestCmap()[SPACE]][0], 0)
    # FreeType rounds the scaled line metrics differently with and without this flag.
    head = font["head"]
    head.flags = (head.flags & ~HEAD_INTEGER_PPEM) | (pt_sans["head"].flags & HEAD_INTEGER_PPEM)

    name = font["name"]
    for name_id, value in (
        (NAME_FAMILY, FAMILY),
        (NAME_SUBFAMILY, "Regular"),
        (NAME_UNIQUE, f"{FAMILY} Regular; {VERSION}; cut from DejaVu Sans 2.37"),
        (NAME_FULL, FAMILY),
        (NAME_VERSION, VERSION),
        (NAME_POSTSCRIPT, f"{FAMILY}-Regular"),
    ):
        name.setName(value, name_id, *WINDOWS)

    font.save(target, reorderTables=True)

    check = TTFont(target)
    mapped = set(check.getBestCmap())
    if mapped != {SPACE, *ZODIAC}:
        fail(f"{target} maps {sorted(hex(c) for c in mapped)}")
    if family_of(check) != FAMILY:
        fail(f"{target} names family {family_of(check)!r}")


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = os.path.join(root, "res", "fonts")
    os.makedirs(out, exist_ok=True)

    check_source(FONT_AWESOME, "FontAwesome")
    check_source(PT_SANS, "PT Sans")
    check_source(PT_SANS_BOLD, "PT Sans")
    check_source(DEJAVU_SANS, "DejaVu Sans")

    shutil.copyfile(FONT_AWESOME, os.path.join(out, "fontawesome-webfont.ttf"))
    shutil.copyfile(PT_SANS, os.path.join(out, "pt-sans.ttf"))
    shutil.copyfile(PT_SANS_BOLD, os.path.join(out, "pt-sans-bold.ttf"))
    cut_zodiac_font(os.path.join(out, "vendarion.ttf"))

    pt_copyright = TTFont(PT_SANS, lazy=True)["name"].getDebugName(NAME_COPYRIGHT)
    write_text(
        os.path.join(out, "LICENSE-PTSans.txt"),
        "PT Sans (pt-sans.ttf, pt-sans-bold.ttf), unmodified copies of PTS55F.ttf and PTS75F.ttf\n"
        + pt_copyright + "\n\nParaType Free Font Licence\n\n"
        + debian_license(COPYRIGHT_PARATYPE, "ParaType-Free-Font-License"),
    )
    fa_copyright = TTFont(FONT_AWESOME, lazy=True)["name"].getDebugName(NAME_COPYRIGHT)
    write_text(
        os.path.join(out, "LICENSE-FontAwesome.txt"),
        "Font Awesome 4.7 (fontawesome-webfont.ttf), an unmodified copy\n"
        + fa_copyright + "\n\nSIL Open Font License, Version 1.1\n\n"
        + debian_license(COPYRIGHT_FONT_AWESOME, "OFL-1.1"),
    )
    dejavu = TTFont(DEJAVU_SANS, lazy=True)["name"]
    write_text(
        os.path.join(out, "LICENSE-DejaVu.txt"),
        "Vendarion (vendarion.ttf) holds glyphs cut from DejaVu Sans 2.37.\n\n"
        + dejavu.getDebugName(NAME_COPYRIGHT).strip() + "\n\n"
        + re.sub(r"[ \t]+\n", "\n", dejavu.getDebugName(NAME_LICENSE)).strip() + "\n",
    )


if __name__ == "__main__":
    main()
