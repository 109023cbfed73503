#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program on Debian 12: cross-compiles it with mingw-w64 (preset windows) and
# makes what goes onto a Windows machine. Prints their paths as its last three lines: brannock.exe,
# the portable zip and the installer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows

cmake --preset windows
cmake --build --preset windows --target windows_dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
dist=$PWD/build-windows/dist
echo "$dist/brannock.exe"
echo "$dist/brannock-$version-windows.zip"
echo "$dist/brannock-$version-setup.exe"
