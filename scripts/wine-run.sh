#!/usr/bin/env bash
# wine-run.sh <build-dir> <program.exe> [args...]: runs a Windows program of the build under Wine on the
# virtual display that virtual-display.sh started for this build, or with no display when none runs (enough
# for a program that opens no window, such as a test program listing its cases).
set -euo pipefail
build_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/wine-env.sh"
if [ -f "$build_dir/display/pid" ]; then
  DISPLAY=$(cat "$build_dir/display/name")
  export DISPLAY
else
  unset DISPLAY
fi
if [ -t 1 ]; then
  exec wine "$@"
fi
# Read through a pipe (by CTest, for one), the program's output is passed on once it ends, with plain line
# ends for the CR LF of Windows programs: the Wine processes that the program may have started (the desktop,
# services) outlive it and hold what they inherited, so a pipe given to Wine would stay open after the
# program has ended, until they end too.
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
status=0
wine "$@" >"$output" 2>"$errors" || status=$?
tr -d '\r' <"$output"
tr -d '\r' <"$errors" >&2
exit "$status"
