#!/usr/bin/env bash
# typing-bench.sh [typing_bench options]: builds the windows preset's typing benchmark and runs it under Wine
# on a virtual display of its own, typing 500 characters with the default delays (25 and 3000 ms) into a
# recording game client, then into a ClassicUO stand-in, then times Stop on the Translator page halfway
# through (a healthy client, then a hanging one). Takes about 80 seconds. For the cost of bringing
# ClassicUO windows forward and back: --length 40 --windows 4. Not while the windows preset's tests run:
# both use the build's Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/build/windows

cmake --preset windows >/dev/null
cmake --build --preset windows --target typing_bench recording_client >/dev/null

scripts/virtual-display.sh start "$build_dir" >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
# Wine shows the Unix root as drive Z:.
client_unix="$build_dir/tests/windows/recording_client.exe"
client="Z:${client_unix//\//\\}"
scripts/wine-run.sh "$build_dir" "$build_dir/bench/typing_bench.exe" --client "$client" "$@"
