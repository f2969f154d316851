#!/usr/bin/env bash
# virtual-display.sh start|stop <build-dir> [screen...]
# start: runs Xvfb on a free display number, records it in <build-dir>/display, and prepares the Wine
# prefix (see kestrelle_prepare_prefix in wine-env.sh), one prefix for each screen named, as DPI or
# DPI-FRAME (see kestrelle_prepare_screen_prefix), one for a Japanese locale (see
# kestrelle_prepare_locale_prefix) and one as a player's (see kestrelle_prepare_player_prefix); stop: ends
# the Wine servers of the build's prefixes and that Xvfb.
set -euo pipefail
action=$1
build_dir=$(cd "$2" && pwd)
shift 2
screens=("$@")
state="$build_dir/display"
unset KESTRELLE_WINE_SCREEN KESTRELLE_WINE_LOCALE
source "$(dirname "$0")/wine-env.sh"

start() {
  stop_quietly
  mkdir -p "$state"
  rm -f "$state/number"
  # Xvfb picks a free display number itself and writes it once it listens there, so that runs started at
  # the same time never share (and stop) one display.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/number" >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/pid"
  for _ in $(seq 100); do
    [ -s "$state/number" ] && break
    sleep 0.1
  done
  [ -s "$state/number" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
  local n
  n=$(tr -dc '0-9' <"$state/number")
  echo ":$n" >"$state/name"
  export DISPLAY=":$n"
  kestrelle_prepare_prefix N
  wineserver -w
  local screen
  for screen in "${screens[@]}"; do kestrelle_prepare_screen_prefix "$screen"; done
  # Japanese, whose code page 932 Wine takes as the system code page: text in a double-byte code page.
  kestrelle_prepare_locale_prefix ja_JP.UTF-8
  kestrelle_prepare_player_prefix
  echo "Virtual display $DISPLAY ready"
}

stop_quietly() {
  local prefix
  for prefix in "$kestrelle_base_prefix" "$kestrelle_base_prefix"-*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  done
  if [ -f "$state/pid" ]; then
    kill "$(cat "$state/pid")" >/dev/null 2>&1 || true
    rm -f "$state/pid"
  fi
}

case "$action" in
  start) start ;;
  stop) stop_quietly ;;
  *) echo "usage: $0 start|stop <build-dir>" >&2; exit 2 ;;
esac
