#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a private virtual X display (scripts/with-xvfb.sh) and saves a picture of
# its window. Installs the Debian packages it needs first (xvfb, x11-utils, imagemagick).
# Usage: scripts/screenshot.sh [path/to/brannock] [output.png]
# By default: the program scripts/run.sh builds, and build-run/brannock.png.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" != --inside ]; then
    binary="$(realpath -m "${1:-$here/build-run/bin/brannock}")"
    output="$(realpath -m "${2:-$here/build-run/brannock.png}")"
    [ -x "$binary" ] || { echo "no program at $binary; build it with scripts/run.sh" >&2; exit 1; }
    "$here/scripts/install-deps.sh" screenshot
    mkdir -p "$(dirname "$output")"
    "$here/scripts/with-xvfb.sh" "$0" --inside "$binary" "$output"
    echo "saved $output"
    exit
fi

# On the virtual display: start the program, wait for its window (found by its title), let it
# finish painting, and grab it.
binary=$2 output=$3
QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 "$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT
id=
for _ in $(seq 1 100); do
    id=$(xwininfo -name Brannock 2>/dev/null | awk '/Window id:/ { print $4 }') || true
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1
import -window "$id" "$output"
