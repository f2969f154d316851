#!/usr/bin/env bash
# startup-bench.sh [--runs n]: builds the windows preset's Kestrelle.exe, a bare window of the same size and
# the start-up benchmark, and runs it under Wine on a virtual display of its own: Kestrelle.exe and the bare
# window start in turn (15 runs each by default), each timed until its window is shown and painted; prints
# both medians and their ratio (goal: at most 1.5 x). Takes about half a minute. Not while the windows
# preset's tests run: both use the build's Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/build/windows

cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrelle bare_window startup_bench >/dev/null

scripts/virtual-display.sh start "$build_dir" >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
# Wine shows the Unix root as drive Z:.
windows_path() { local unix=$1; echo "Z:${unix//\//\\}"; }
echo "Load before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
scripts/wine-run.sh "$build_dir" "$build_dir/bench/startup_bench.exe" \
  --program "$(windows_path "$build_dir/src/app/Kestrelle.exe")" \
  --bare "$(windows_path "$build_dir/bench/bare_window.exe")" "$@"
