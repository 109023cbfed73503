#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web page on Debian 12 with emscripten (preset web). Prints two paths as its last
# lines: the site, a folder to serve over https (or from localhost) as it is, which installs as an
# app and works offline once loaded; and brannock.html, the whole program in one file that works
# when opened from disk.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web

cmake --preset web
cmake --build --preset web --target web_site
echo "$PWD/build-web/dist/"
echo "$PWD/build-web/brannock.html"
