#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a task needs (through sudo when not root), only those missing, so
# a second call is quick. Usage: scripts/install-deps.sh run|screenshot|package|windows|web|test
#   run         building the program and running it: compiler, Qt, libcups, the fonts of the
#               window and the report, and Qt's Wayland platform;
#   screenshot  all of run, and a virtual X display and the tools that find and grab a window;
#   package     all of run, and what CPack needs for the Debian package's dependencies;
#   windows     the Windows program: the mingw-w64 cross compiler, GoogleTest's sources, NSIS for
#               the installer, and librsvg and ImageMagick, which draw and pack the icon;
#   web         the web page: emscripten, node, which runs the page's generator and the core's
#               tests, librsvg for the icons, and GoogleTest's sources;
#   test        all of screenshot, windows and web, and the test, benchmark and fuzzing tools,
#               Chromium and Python's WebSocket client that drive the web page's tests, Wine
#               and its own fonts that the Windows build is tested with, and the comma-decimal
#               locale that the number tests run under.
set -euo pipefail

run=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcups2-dev qt6-wayland
    fonts-arphic-uming fonts-wqy-zenhei fonts-dejavu-core
)
screenshot=(xvfb x11-utils imagemagick)
package=(dpkg-dev file)
test=(
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils libxcb1-dev libxcb-xtest0-dev
    weston
    cups printer-driver-cups-pdf ghostscript
    qt6-gtk-platformtheme
    clang libclang-rt-14-dev clang-format
    locales
    debootstrap wget lintian desktop-file-utils appstream
    wine wine64 fonts-wine
    chromium python3-websocket
)
windows=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest nsis librsvg2-bin imagemagick)
web=(cmake ninja-build emscripten nodejs librsvg2-bin googletest)

case "${1:-}" in
run) packages=("${run[@]}") ;;
screenshot) packages=("${run[@]}" "${screenshot[@]}") ;;
package) packages=("${run[@]}" "${package[@]}") ;;
windows) packages=("${windows[@]}") ;;
web) packages=("${web[@]}") ;;
test) packages=("${run[@]}" "${screenshot[@]}" "${test[@]}" "${windows[@]}" "${web[@]}") ;;
*)
    echo "usage: $0 run|screenshot|package|windows|web|test" >&2
    exit 2
    ;;
esac

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update -q
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$1" = test ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    sudo_if_needed localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
