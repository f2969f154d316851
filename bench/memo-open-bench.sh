#!/usr/bin/env bash
# memo-open-bench.sh [--runs n]: builds the windows preset's memo benchmark and runs it under Wine on a
# virtual display of its own. Not while the windows preset's tests run: both use the build's Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/build/windows

cmake --preset windows >/dev/null
cmake --build --preset windows --target memo_open_bench >/dev/null

scripts/virtual-display.sh start "$build_dir" >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
scripts/wine-run.sh "$build_dir" "$build_dir/bench/memo_open_bench.exe" "$@"
