#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and runs them all: the adjustment's own (adjustment_bench)
# and the window's costs against Qt's floor (qt_costs), which prints its table of figures, on
# the offscreen platform and on a private Xvfb.
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
