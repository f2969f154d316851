#!/usr/bin/env bash
# typing-bench.sh [--native n] [typing_bench options]: builds the windows preset's typing benchmark and runs it
# under Wine on a virtual display of its own, typing 500 characters with the default delays (25 and 3000 ms)
# into a recording game client, then into a ClassicUO stand-in, then times Stop on the Translator page
# halfway through (a healthy client, then a hanging one). Takes about 80 seconds. For the cost of bringing
# ClassicUO windows forward and back: --length 40 --windows 4. With --native n, it then starts n native SDL
# windows named ClassicUO on the display (built from Debian's SDL 2) and runs the benchmark once more under
# the native link, typing into those only: --native 4 --length 40 --windows 4. Not while the windows preset's
# tests run: both use the build's Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=$root/build/windows
native=0
if [ "${1:-}" = --native ]; then
  native=$2
  shift 2
fi

cmake --preset windows >/dev/null
cmake --build --preset windows --target typing_bench recording_client >/dev/null

scripts/virtual-display.sh start "$build_dir" >/dev/null
work=$(mktemp -d)
native_pids=()
cleanup() {
  for pid in "${native_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
  scripts/virtual-display.sh stop "$build_dir"
}
trap cleanup EXIT
# Wine shows the Unix root as drive Z:.
client_unix="$build_dir/tests/windows/recording_client.exe"
client="Z:${client_unix//\//\\}"
scripts/wine-run.sh "$build_dir" "$build_dir/bench/typing_bench.exe" --client "$client" "$@"
[ "$native" -gt 0 ] || exit 0

cmake --preset release >/dev/null
cmake --build --preset release --target kestrelle-link >/dev/null
# shellcheck disable=SC2046  # pkg-config's flags are separate words
c++ -O2 -o "$work/ClassicUO" tests/native_link/sdl_recording_client.cpp $(pkg-config --cflags --libs sdl2)
DISPLAY=$(cat "$build_dir/display/name")
export DISPLAY
logs=()
for i in $(seq "$native"); do
  "$work/ClassicUO" "$work/native-$i.log" "ClassicUO - bench $i" 600 &
  native_pids+=($!)
  logs+=(--native-log "$work/native-$i.log")
done
source scripts/wine-env.sh
"$root/build/release/src/game_link/linux/kestrelle-link" wine "$build_dir/bench/typing_bench.exe" \
  --client "$client" "$@" "${logs[@]}" 2>&1 | tr -d '\r'
