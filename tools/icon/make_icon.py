#!/usr/bin/python3
"""Draws the Vendarion icon: a calendar sheet in the window's colours with a waxing crescent.

Writes, under the output folder (default: dist/icons/hicolor beside this repository's tools/):

  scalable/apps/vendarion.svg        the icon, drawn on a 512 x 512 grid
  NxN/apps/vendarion.png             rendered with rsvg-convert for N in SIZES

At 32 pixels and below the binder rings and the moon's dark side would only blur, so those
sizes are rendered from a simpler drawing with a heavier header and a larger crescent, as
hand-tuned small icons are. Everything is computed here: no artwork is copied.

Usage: /usr/bin/python3 make_icon.py [OUTPUT_FOLDER]
Needs rsvg-convert (Debian package librsvg2-bin). Two runs write identical files.
"""

import math
import os
import subprocess
import sys
import tempfile

SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
SMALL = 32

# The window's own palette (qml/scripts/Colors.js).
DARK_GREY = "#2b2b2b"
DARK_METAL = "#474c59"
LIGHT_SILVER = "#e3e7f2"
PINK = "#d42d88"
LABEL_LIGHT = "#8d96ad"


def fmt(value):
    """A coordinate with at most two decimals and no trailing zeros, so the file is stable."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def crescent(cx, cy, radius, shift_x, shift_y, inner_radius):
    """Path of the part of the disc (cx, cy, radius) outside the disc shifted by (shift_x,
    shift_y) with inner_radius: the lit crescent, bounded by two circular arcs that meet where
    the circles cross."""
    d = math.hypot(shift_x, shift_y)
    # Distance from the outer centre, along the shift, to the chord through both crossings.
    a = (radius * radius - inner_radius * inner_radius + d * d) / (2 * d)
    h = math.sqrt(radius * radius - a * a)
    ux, uy = shift_x / d, shift_y / d
    mx, my = cx + a * ux, cy + a * uy
    p1 = (mx - h * uy, my + h * ux)
    p2 = (mx + h * uy, my - h * ux)
    # Outer arc the long way round, away from the shift; inner arc back through the shadow.
    return (f"M{fmt(p1[0])} {fmt(p1[1])}"
            f"A{fmt(radius)} {fmt(radius)} 0 1 1 {fmt(p2[0])} {fmt(p2[1])}"
            f"A{fmt(inner_radius)} {fmt(inner_radius)} 0 0 0 {fmt(p1[0])} {fmt(p1[1])}Z")


def sheet(x, y, width, height, corner, header):
    """The calendar sheet and its header band, which shares the sheet's top corners."""
    r = corner
    body = (f'<rect x="{x}" y="{y}" width="{width}" height="{height}" rx="{r}" '
            f'fill="url(#sheet)"/>')
    band = (f'<path d="M{x} {y + header}V{y + r}A{r} {r} 0 0 1 {x + r} {y}'
            f'H{x + width - r}A{r} {r} 0 0 1 {x + width} {y + r}V{y + header}Z" '
            f'fill="{PINK}"/>')
    return body + band


def drawing(small):
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" '
        'viewBox="0 0 512 512">',
        '<title>Vendarion</title>',
        '<defs>',
        f'<linearGradient id="sheet" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{DARK_METAL}"/>'
        f'<stop offset="1" stop-color="{DARK_GREY}"/></linearGradient>',
        f'<linearGradient id="light" x1="0" y1="0" x2="1" y2="1">'
        f'<stop offset="0" stop-color="#ffffff"/>'
        f'<stop offset="1" stop-color="{LIGHT_SILVER}"/></linearGradient>',
        '</defs>',
    ]
    if small:
        parts.append(sheet(16, 40, 480, 456, 72, 120))
        parts.append(f'<path d="{crescent(256, 316, 150, 78, -44, 128)}" fill="url(#light)"/>')
    else:
        parts.append(sheet(40, 72, 432, 408, 64, 100))
        # The Moon's unlit side, faintly, as earthshine shows it.
        parts.append(f'<circle cx="256" cy="300" r="132" fill="{DARK_METAL}"/>')
        parts.append(f'<path d="{crescent(256, 300, 132, 64, -36, 116)}" fill="url(#light)"/>')
        # Two binder rings over the header, and a row of days under it.
        for ring_x in (152, 360):
            parts.append(f'<rect x="{ring_x - 14}" y="40" width="28" height="76" rx="14" '
                         f'fill="{LIGHT_SILVER}" stroke="{DARK_GREY}" stroke-width="8"/>')
        for day in range(5):
            parts.append(f'<circle cx="{120 + day * 68}" cy="452" r="9" fill="{LABEL_LIGHT}"/>')
    parts.append('</svg>')
    return "\n".join(parts) + "\n"


def render(svg_text, size, target, scratch):
    source = os.path.join(scratch, f"icon-{size}.svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(svg_text)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", target, source],
                   check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "dist", "icons",
                                                             "hicolor")
    scalable = os.path.join(out, "scalable", "apps", "vendarion.svg")
    os.makedirs(os.path.dirname(scalable), exist_ok=True)
    with open(scalable, "w", encoding="utf-8") as f:
        f.write(drawing(small=False))
    with tempfile.TemporaryDirectory() as scratch:
        for size in SIZES:
            target = os.path.join(out, f"{size}x{size}", "apps", "vendarion.png")
            render(drawing(small=size <= SMALL), size, target, scratch)
    print(f"wrote {scalable} and {len(SIZES)} PNGs")


if __name__ == "__main__":
    main()
