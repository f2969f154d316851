#!/usr/bin/env bash
# beside_game_test.sh <build-dir> <recording_client.exe> <remote_translate.exe>: the player's path under
# Wine. A recording game client runs in a fresh Wine prefix of its own; `WINEPREFIX=<that prefix>
# scripts/run.sh` on the test run's virtual display must start Kestrelle there, setting no font stand-ins
# for the prefix's programs, and a Translate typed into Kestrelle must reach the client. Ends and removes
# all it starts.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
client_exe=$2
remote_exe=$3
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=../support/wine_prefix_test.sh
source "$root/tests/support/wine_prefix_test.sh"

log="$work/client.log"
translate_beside_client "$log" "hello from beside the game"

stand_ins=$(wine reg query 'HKCU\Software\Wine\Fonts\Replacements' 2>/dev/null | tr -d '\r' | grep REG_) || true
[ -z "$stand_ins" ] || fail "the game's prefix got font stand-ins: $stand_ins"
received=$(awk '$1 == 258 { printf "%c", $2 }' "$log")  # WM_CHAR
echo "Transmitted: $transmitted"
echo "The client received: $received"
[ -n "$transmitted" ] && [[ "$received" == "$transmitted"* ]] || fail "the client did not receive the text"
echo "A Translate from Kestrelle started by scripts/run.sh in the game's prefix reached the game client."
