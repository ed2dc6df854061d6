#!/usr/bin/python3
"""Renders res/images/moon.png: the full Moon's near side as seen from far away.

An orthographic view of the equirectangular texture moon_4k.jpg (Debian stellarium-data;
left edge longitude -180, top edge latitude +90), centred on selenographic longitude 0 and
latitude 0, north up and east (Mare Crisium) on the right. The disc touches all four edges of
the 512 x 512 picture because the moon panel draws its phase shadow on an ellipse of radius
height / 2 about the picture's centre; outside the disc the picture is transparent.

Each output pixel averages 4 x 4 samples, each read from the texture with bilinear
interpolation: the texture has about 2.5 texels per output pixel at the disc's centre, so single
samples would alias, and the share of samples inside the disc gives the antialiased edge.

Usage: /usr/bin/python3 make_moon.py TEXTURE [OUTPUT]
Two runs on the same texture write identical files.
"""

import hashlib
import os
import sys

import numpy as np
from PIL import Image

SIZE = 512
SUPERSAMPLE = 4
TEXTURE_SHA256 = "a71deba23c5e7b3945b5f7a33105975beb605b67486b38fa13e8246cbfdfaa93"


def bilinear(texture, u, v):
    """Samples texture (H x W x C, float) at texel coordinates u (across) and v (down).

    Longitude wraps round the sphere; latitude clamps at the poles.
    """
    height, width = texture.shape[:2]
    u0 = np.floor(u)
    v0 = np.floor(v)
    fu = (u - u0)[..., None]
    fv = (v - v0)[..., None]
    u0 = u0.astype(np.int64) % width
    u1 = (u0 + 1) % width
    v0 = v0.astype(np.int64)
    v1 = np.clip(v0 + 1, 0, height - 1)
    v0 = np.clip(v0, 0, height - 1)
    top = texture[v0, u0] * (1 - fu) + texture[v0, u1] * fu
    bottom = texture[v1, u0] * (1 - fu) + texture[v1, u1] * fu
    return top * (1 - fv) + bottom * fv


def render(texture):
    height, width = texture.shape[:2]
    samples = SIZE * SUPERSAMPLE
    # Sample centres in disc units: x to the right, y upwards, the disc of radius 1.
    steps = (np.arange(samples, dtype=np.float64) + 0.5) / samples * 2.0 - 1.0
    x, y = np.meshgrid(steps, -steps)
    rr = x * x + y * y
    inside = rr < 1.0
    z = np.sqrt(np.clip(1.0 - rr, 0.0, None))
    latitude = np.arcsin(np.clip(y, -1.0, 1.0))
    longitude = np.arctan2(x, z)
    # Texel centres sit at half-texel offsets.
    u = (longitude + np.pi) / (2.0 * np.pi) * width - 0.5
    v = (np.pi / 2.0 - latitude) / np.pi * height - 0.5
    colour = bilinear(texture, u, v) * inside[..., None]

    def pool(a):
        return a.reshape(SIZE, SUPERSAMPLE, SIZE, SUPERSAMPLE, *a.shape[2:]).sum(axis=(1, 3))

    count = pool(inside.astype(np.float64))
    colour = pool(colour) / np.maximum(count, 1.0)[..., None]
    alpha = count / (SUPERSAMPLE * SUPERSAMPLE) * 255.0
    rgba = np.concatenate([colour, alpha[..., None]], axis=2)
    rgba[count == 0] = 0.0
    return np.clip(np.rint(rgba), 0, 255).astype(np.uint8)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    source = sys.argv[1]
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    target = sys.argv[2] if len(sys.argv) == 3 else os.path.join(root, "res", "images", "moon.png")

    with open(source, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    if digest != TEXTURE_SHA256:
        print(f"make_moon.py: warning: {source} is not the texture of stellarium-data 0.22.2-1 "
              f"(sha256 {digest}); the picture will differ from the committed one",
              file=sys.stderr)

    texture = np.asarray(Image.open(source).convert("RGB"), dtype=np.float64)
    picture = Image.fromarray(render(texture), "RGBA")
    os.makedirs(os.path.dirname(target), exist_ok=True)
    # No text chunks, no time stamp: the file depends on the pixels alone.
    picture.save(target, "PNG", optimize=True)


if __name__ == "__main__":
    main()
