#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and runs them all: the adjustment's own (adjustment_bench),
# the window's costs against Qt's floor (qt_costs), which prints its table of figures, on the
# offscreen platform and on a private Xvfb, and the Windows program's costs against bare Win32
# floors under Wine (win32_costs, folder build-windows-bench), and the web page's costs against
# its floors in headless Chromium (bench/web_costs.py, on the web build in build-web).
# Usage: scripts/bench.sh [qt_costs options, e.g. --runs 21]
# The build folder is build-bench. build-bench/bin/qt_costs run without DISPLAY measures the
# offscreen platform only.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench

scripts/install-deps.sh test
cmake --preset bench >/dev/null
cmake --build --preset bench

echo "== machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "== adjustment_bench"
"$build/bin/adjustment_bench"
echo
echo "== qt_costs"
scripts/with-xvfb.sh "$build/bin/qt_costs" "$@"
echo
echo "== win32_costs (under Wine, which is not Windows)"
cmake --preset windows-bench >/dev/null
cmake --build --preset windows-bench
scripts/with-xvfb.sh scripts/with-wine.sh tests/wine/run.sh build-windows-bench/bin/win32_costs.exe
echo
echo "== web_costs (headless Chromium)"
cmake --preset web >/dev/null
cmake --build --preset web
/usr/bin/python3 bench/web_costs.py build-web
