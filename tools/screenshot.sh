#!/usr/bin/env bash
# Starts the built program on a private virtual screen, with a private home and the update
# check off, and saves a picture of the screen once the first ephemeris is on it.
#   tools/screenshot.sh OUT.png [SCALE_INDEX] [WIDTH HEIGHT]
# SCALE_INDEX is the window's scale option (0 Auto, 1 100 %, 2 125 %, 3 150 %, ...); WIDTH and
# HEIGHT are the window's size in design pixels (default 1018 x 600). The screen is made large
# enough for the scaled window. Needs xvfb-run and ImageMagick's import. VENDARION names another
# program to picture, such as the installed /usr/bin/vendarion.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:?usage: $0 OUT.png [SCALE_INDEX] [WIDTH HEIGHT]}")
scale_index=${2:-0}
width=${3:-1018}
height=${4:-600}
program=${VENDARION:-$root/build/bin/vendarion}
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }

# Scale option 3 is 150 %: a screen half as large again, plus room for nothing else.
case "$scale_index" in
    0 | 1) factor=100 ;;
    2) factor=125 ;;
    3) factor=150 ;;
    4) factor=200 ;;
    5) factor=250 ;;
    *) factor=300 ;;
esac
screen_width=$(((width * factor / 100 + 63) / 64 * 64 + 64))
screen_height=$(((height * factor / 100 + 63) / 64 * 64 + 64))

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/Harkel" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
cat > "$home/.config/Harkel/Vendarion.conf" <<EOF
[global]
checkForUpdates=false

[window]
geometry=@Rect(0 0 $width $height)
scaleIndex=$scale_index
EOF

# Once the program logs its first ephemeris and its first frame (the graphics driver's line, or
# the line that says it draws without OpenGL), a second more for the moon's half-second sweep.
xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24 -dpi 96" bash -c '
    HOME="$1" XDG_CONFIG_HOME="$1/.config" XDG_RUNTIME_DIR="$1/runtime" TMPDIR="$1/tmp" \
        "$2" >"$1/log.txt" 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        grep -q "first ephemeris shown" "$1/log.txt" &&
            grep -Eq "^(OpenGL vendor|window: no OpenGL|window: drawing with)" "$1/log.txt" && break
        sleep 0.1
    done
    sleep 1
    import -window root "$3"
    kill "$pid"
    wait "$pid" || true
' screenshot "$home" "$program" "$out"
echo "$out (${screen_width}x${screen_height} screen, scale option $scale_index)"
