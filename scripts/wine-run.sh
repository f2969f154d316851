#!/usr/bin/env bash
# wine-run.sh <build-dir> <program.exe> [args...]: runs a Windows program of the build under Wine on the
# virtual display that virtual-display.sh started for this build.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/wine-env.sh"
DISPLAY=$(cat "$build_dir/display/name")
export DISPLAY
exec wine "$@"
