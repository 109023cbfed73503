#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with the package presets (Release, installed under /usr, in
# build-package) and prints its absolute path as the last line. Installs the Debian packages the
# build needs first (through sudo when not root), only those missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

rm -f build-package/brannock_*.deb
cmake --preset package
cmake --build --preset package
cpack --preset package

debs=(build-package/brannock_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single package in build-package" >&2; exit 1; }
realpath "${debs[0]}"
