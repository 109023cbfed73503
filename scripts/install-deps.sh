#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need (through sudo when not
# root), and the comma-decimal locale that the number tests run under. Installs only what is
# missing, so a second call is quick.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcups2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-arphic-uming fonts-wqy-zenhei
    fonts-dejavu-core
    poppler-utils xvfb xauth x11-apps x11-utils imagemagick libxcb1-dev libxcb-xtest0-dev
    cups printer-driver-cups-pdf ghostscript
    clang libclang-rt-14-dev clang-format
    locales
)

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

if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    sudo_if_needed localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
