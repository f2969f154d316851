#!/usr/bin/env bash
# window-translate-bench.sh [KiB...]: builds the windows preset's window translation benchmark and runs it
# under Wine on a virtual display of its own: the Translate command in Courtly with the delays at 0 and no
# game client, on player chat (tests/chat/player-chat.txt) repeated to each size (default 64 and 256 KiB),
# once as lines and once as one long paragraph. The goals: the command ends within 2 s at 256 KiB, and the
# window answers within 200 ms throughout. Not while the windows preset's tests run: both use the build's
# Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/build/windows
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(64 256)

cmake --preset windows >/dev/null
cmake --build --preset windows --target window_translate_bench >/dev/null

scripts/virtual-display.sh start "$build_dir" >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
# Wine shows the Unix root as drive Z:.
chat_unix=$PWD/tests/chat/player-chat.txt
chat="Z:${chat_unix//\//\\}"
echo "Load before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for size in "${sizes[@]}"; do
  for shape in "" --one-paragraph; do
    scripts/wine-run.sh "$build_dir" "$build_dir/bench/window_translate_bench.exe" --text "$chat" --kib "$size" $shape
  done
done
