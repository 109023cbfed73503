#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package's contents as a distribution would: lintian finds no error, the
# desktop entry and the AppStream metainfo pass their validators (the metainfo's launchable
# found in the package), and the icon the entry names is in the package.
# Usage: tests/package/lint_test.sh [package.deb], by default the one BRANNOCK_PACKAGE names.
# Exit status 77: skipped (no package named).
set -euo pipefail
deb=${1:-${BRANNOCK_PACKAGE:-}}
[ -f "$deb" ] || { echo "SKIP: no package; name it in BRANNOCK_PACKAGE" >&2; exit 77; }
deb=$(realpath "$deb")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

lintian_out=$(lintian --display-info "$deb" 2>&1) || true
echo "$lintian_out"
if grep -q '^E: ' <<<"$lintian_out"; then fail "lintian reports errors"; fi

desktop="$tree/usr/share/applications/brannock.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$tree/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon.svg"

appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree"

[ "$failed" -eq 0 ] && echo "PASS: lintian, desktop entry, icon and metainfo of $(basename "$deb")"
exit "$failed"
