#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all: the adjustment's own (adjustment_bench)
# and the window's costs against Qt's floor (qt_costs), which prints its table of figures.
# Usage: scripts/bench.sh [qt_costs options, e.g. --runs 21 or --no-xvfb]
# The build folder is build-bench, or $BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRANNOCK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target adjustment_bench qt_costs

echo "== machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "== adjustment_bench"
"$build/bench/adjustment_bench"
echo
echo "== qt_costs"
"$build/bench/qt_costs" "$@"
