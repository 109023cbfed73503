#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

cmake --preset run
cmake --build --preset run

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
Built build-run/bin/brannock, but there is no display to show its window on
(neither DISPLAY nor WAYLAND_DISPLAY is set).
  - From a desktop session, run scripts/run.sh in a terminal there.
  - Over ssh, connect with X forwarding (ssh -X) and run it again.
  - Without any screen, take a picture of its window on a private virtual display
    (this installs xvfb, x11-utils and imagemagick first; the picture is build-run/brannock.png):
        scripts/screenshot.sh
  - Or use Qt's VNC platform and a VNC viewer on localhost:5900:
        QT_QPA_PLATFORM=vnc build-run/bin/brannock
MSG
    exit 2
fi
exec build-run/bin/brannock
