#!/usr/bin/env bash
# native_link_test.sh <build-dir> <recording_client.exe> <remote_translate.exe>: one Translate reaches a
# classic client under Wine and a native ClassicUO window of the X display. Beside a recording classic
# client in a fresh Wine prefix of its own, two native SDL windows run (built here from Debian's SDL 2): one
# whose program file is named ClassicUO, and one of another program titled "ClassicUO - notes".
# `WINEPREFIX=<that prefix> scripts/run.sh` on the test run's virtual display starts Kestrelle under the
# native link; a Translate typed into it must reach the native ClassicUO exactly as the classic client gets
# it (each carriage return as a Return key press), the other program must get nothing, and Kestrelle must be
# the active window afterwards. Ends and removes all it starts.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
client_exe=$2
remote_exe=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

# shellcheck source=../support/wine_prefix_test.sh
source "$root/tests/support/wine_prefix_test.sh"

mkdir "$work/native"
# shellcheck disable=SC2046  # pkg-config's flags are separate words
c++ -O1 -o "$work/native/ClassicUO" "$here/sdl_recording_client.cpp" $(pkg-config --cflags --libs sdl2)
cp "$work/native/ClassicUO" "$work/native/notes"
"$work/native/ClassicUO" "$work/native.log" "ClassicUO - 7.0.10.3" 300 &
extra_pids+=($!)
"$work/native/notes" "$work/decoy.log" "ClassicUO - notes" 300 &
extra_pids+=($!)

classic_log="$work/classic.log"
translate_beside_client "$classic_log" --active \
  "Hello, friend! Wouldst thou walk with me to the moongate near Britain tonight? The healer says it leads to Trinsic."
grep -q "native link" "$work/run.out" || fail "run.sh did not start Kestrelle with the native link"

awk '$1 == 258 { printf "%c", $2 }' "$classic_log" >"$work/classic.stream"  # WM_CHAR
echo "Transmitted: $transmitted"
echo "The classic client received $(wc -c <"$work/classic.stream") characters, the native ClassicUO" \
  "$(wc -c <"$work/native.log"), the other program $(wc -c <"$work/decoy.log")."
[ -s "$work/classic.stream" ] || fail "the classic client received nothing"
cmp "$work/classic.stream" "$work/native.log" ||
  fail "the native ClassicUO did not receive what the classic client did: $(od -c "$work/native.log" | head -5)"
[ ! -s "$work/decoy.log" ] || fail "the other program titled like the client received: $(cat "$work/decoy.log")"
echo "One Translate reached the classic client under Wine and the native ClassicUO alike; Kestrelle is active."
