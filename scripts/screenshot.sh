#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a virtual X display and saves a picture of its window.
# Usage: scripts/screenshot.sh [path/to/brannock] [output.png]
# Needs xvfb (xvfb-run), x11-utils (xwininfo) and imagemagick (import).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
binary="${1:-$here/build/bin/brannock}"
output="${2:-$here/docs/screenshot.png}"
[ -x "$binary" ] || { echo "no program at $binary; build it first" >&2; exit 1; }
mkdir -p "$(dirname "$output")"

# Inside the virtual display: start the program, wait for its window (found by its title),
# let it finish painting, and grab it.
inner=$(cat <<'INNER'
set -euo pipefail
"$BINARY" &
pid=$!
id=
for _ in $(seq 1 100); do
    id=$(xwininfo -name Brannock 2>/dev/null | awk '/Window id:/ { print $4 }') || true
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || { echo "the window did not appear" >&2; kill "$pid"; exit 1; }
sleep 1
import -window "$id" "$OUTPUT"
kill "$pid"
wait "$pid" 2>/dev/null || true
INNER
)
BINARY="$binary" OUTPUT="$output" QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c "$inner"
echo "saved $output"
