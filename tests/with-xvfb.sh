#!/usr/bin/env bash
# Runs a command on a private X server with a 1280 x 800 screen at 96 dpi. The server picks a
# free display itself, so tests running side by side never race for one.
set -uo pipefail

coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 2>/dev/null; }
trap 'kill "$XVFB_PID" 2>/dev/null' EXIT
if ! read -r -t 20 number <&"${XVFB[0]}"; then
    echo "with-xvfb: the X server did not start" >&2
    exit 1
fi
DISPLAY=":$number" "$@"
