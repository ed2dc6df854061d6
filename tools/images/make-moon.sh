#!/bin/sh
# Regenerates res/images/moon.png. Uses the installed texture when Debian's stellarium-data is
# installed; otherwise downloads that package (about 250 MB) into a temporary folder and
# extracts the one texture from it, without installing anything.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
texture=/usr/share/stellarium/textures/moon_4k.jpg

if [ ! -f "$texture" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # As root, apt-get would hand the download to its unprivileged user, who cannot write here.
    (cd "$work" && apt-get -o APT::Sandbox::User=root download stellarium-data)
    dpkg-deb --fsys-tarfile "$work"/stellarium-data_*.deb \
        | tar x -C "$work" ./usr/share/stellarium/textures/moon_4k.jpg
    texture="$work/usr/share/stellarium/textures/moon_4k.jpg"
fi

/usr/bin/python3 "$here/make_moon.py" "$texture"
