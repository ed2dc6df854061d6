#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vendarion, builds it, and then starts the program
# (./dev.sh run), runs every test (./dev.sh test) or makes the Debian package (./dev.sh package).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$root/build"

install_packages() {
    local wanted missing=()
    mapfile -t wanted < <(grep -v -E '^[[:space:]]*(#|$)' "$root/tools/debian-packages.txt")
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Some Debian packages are missing. Install them with:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build_all() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_packages
    build_all
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display to show the window on. Run it from a desktop session, or under a" >&2
        echo "virtual display:  xvfb-run -a ./dev.sh run" >&2
        exit 1
    fi
    exec "$build/bin/vendarion"
    ;;
test)
    install_packages
    build_all
    cd "$build"
    exec ctest --output-on-failure -j "$(nproc)"
    ;;
package)
    install_packages
    build_all
    cd "$build"
    cpack
    deb=$(ls -t "$build"/vendarion_*.deb | head -n 1)
    # Warnings are printed; an error fails the command.
    lintian --fail-on error "$deb"
    echo "$deb"
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
