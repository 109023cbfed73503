#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program that emscripten built (its JavaScript loader, the .wasm beside it) under node.
# Without node, says why and exits 77, which ctest reports as a skipped test.
#
# From node 18 on, node has a fetch of its own; emscripten 3.1.6's loader would then fetch the
# .wasm as a URL, which fails for a file, so that fetch is turned off.
set -u
command -v node >/dev/null 2>&1 || { echo "Skipped: node is not installed" >&2; exit 77; }
major=$(node -p 'process.versions.node.split(".")[0]')
if [ "$major" -ge 18 ]; then
    exec node --no-experimental-fetch "$@"
fi
exec node "$@"
