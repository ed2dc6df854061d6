#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it into a temporary root and runs
# what it holds: the program on a private X server with a private home, until the first
# ephemeris is on the screen, and vendarion-ephem --version. Also validates the installed menu
# entry and AppStream file, and lints the package.
#   tests/dist/tst_package.sh BUILD_FOLDER
# Exits 77 (skipped) when a packaging tool is missing; CI installs them all.
set -uo pipefail

build=$(realpath "${1:?usage: $0 BUILD_FOLDER}")
for tool in cpack dpkg-deb dpkg-shlibdeps Xvfb desktop-file-validate appstreamcli lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (tools/debian-packages.txt lists the packages that bring it)"
        exit 77
    fi
done

# Without symbolic links in it, as the program reports its own folder.
work=$(cd "$(mktemp -d)" && pwd -P)
xvfb=""
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# Into a folder of its own, so the test never replaces a package made by ./dev.sh package; with
# gzip, many times faster than the release package's xz, and the same files inside.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(echo "$work"/out/vendarion_3.1.0_*.deb)
[ -f "$deb" ] || fail "no package in $work/out: $(ls "$work/out")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$deb: $(du -k "$deb" | cut -f1) KiB; Depends: $depends"
for needed in libqt5quick5 libswe2.0 qml-module-qtquick-controls swe-basic-data; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
lintian --fail-on error "$deb" || fail "lintian found errors"

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
desktop-file-validate "$root/usr/share/applications/vendarion.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.harkel.vendarion.metainfo.xml" ||
    fail "AppStream metainfo"
version=$("$root/usr/bin/vendarion-ephem" --version)
[ "$version" = "vendarion-ephem 3.1.0" ] || fail "vendarion-ephem --version printed '$version'"

home="$work/home"
mkdir -p "$home/.config/Harkel" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
# Nothing from a test reaches the network.
printf '[global]\ncheckForUpdates=false\n' >"$home/.config/Harkel/Vendarion.conf"

exec {display_fd}< <(exec Xvfb -displayfd 1 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 number <&"$display_fd" || fail "Xvfb did not start"

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=":$number" HOME="$home" \
    XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
    "$root/usr/bin/vendarion" >"$work/log.txt" 2>&1 &
program=$!
# On the screen: the moon panel has taken its first ephemeris, and the window its first frame
# (the graphics driver's line is written when the first frame is being set up).
shown() { grep -q "first ephemeris shown" "$work/log.txt" && grep -q "^OpenGL vendor" "$work/log.txt"; }
for _ in $(seq 600); do
    shown && break
    kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/log.txt")"
    sleep 0.1
done
shown || fail "no ephemeris on the screen within 60 s: $(cat "$work/log.txt")"
# The unpacked tree's own resources, not those of some installed copy.
grep -qF "resource folder '$root/usr/share/vendarion/' (installed layout)" "$work/log.txt" ||
    fail "resource folder: $(grep "resource folder" "$work/log.txt")"
echo "PASS: $(grep "first ephemeris shown" "$work/log.txt")"
