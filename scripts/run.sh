#!/usr/bin/env bash
# Runs Kestrelle: installs what is missing, builds the windows preset and starts Kestrelle.exe through
# Wine on the current display: in the Wine prefix that WINEPREFIX names (the game client's, so that
# Kestrelle can type into it; it must exist and be 64-bit), or else in the build's own. A player's prefix
# is left as it is: Kestrelle picks its fonts itself. Kestrelle runs under the native link (kestrelle-link,
# built by the release preset), so that its Translate also reaches native ClassicUO windows on the display.
# Without a display it says so, shows the program on a virtual display instead (always in the build's own
# prefix), saves PNG pictures of its pages and its about box in build/screenshots/ (the Moongates and
# Weapons pages also on a 144-DPI screen, a display scale of 150 %), lists them and exits.
set -euo pipefail
player_prefix=${WINEPREFIX:-}
# A relative WINEPREFIX is taken from where the player stands.
if [ -n "$player_prefix" ] && [ -d "$player_prefix" ]; then player_prefix=$(cd "$player_prefix" && pwd); fi
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir="$root/build/windows"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display (DISPLAY is not set): Kestrelle will be built (a few minutes the first time), shown on a"
  echo "virtual display, and pictures of its pages and its about box saved in build/screenshots/."
  [ -z "$player_prefix" ] || echo "WINEPREFIX is left alone: the pictures are taken in the build's own prefix."
elif [ -n "$player_prefix" ]; then
  if [ ! -d "$player_prefix/drive_c" ]; then
    echo "No Wine prefix in $player_prefix (WINEPREFIX): start the game there first, or check the path." >&2
    exit 1
  fi
  # (Wine writes the registry files some time after it has made a prefix.)
  if grep -qs '^#arch=win32' "$player_prefix/system.reg"; then
    echo "$player_prefix (WINEPREFIX) is a 32-bit Wine prefix: Kestrelle.exe is a 64-bit program and cannot" \
      "run there." >&2
    exit 1
  fi
  echo "Kestrelle will be built (a few minutes the first time), then started on display $DISPLAY in the Wine"
  echo "prefix $player_prefix (WINEPREFIX), beside the game client running there."
else
  echo "Kestrelle will be built (a few minutes the first time), then started on display $DISPLAY in the build's"
  echo "own Wine prefix (to run it beside a game client, set WINEPREFIX to the game's prefix)."
fi

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrelle kestrelle_screenshots
# On Linux, the native link, which types into native ClassicUO windows of the display (outside Wine).
native_link=()
if [ -n "${DISPLAY:-}" ] && [ "$(uname -s)" = Linux ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target kestrelle-link
  native_link=("$root/build/release/src/game_link/linux/kestrelle-link")
fi
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ]; then
  if [ -n "$player_prefix" ]; then
    export WINEPREFIX="$player_prefix"
    unset WINEARCH  # the prefix has its own
  else
    kestrelle_prepare_prefix Y
  fi
  if [ ${#native_link[@]} -gt 0 ]; then
    echo "Starting Kestrelle, with the native link to native ClassicUO windows on $DISPLAY."
  else
    echo "Starting Kestrelle."
  fi
  exec "${native_link[@]}" wine "$build_dir/src/app/Kestrelle.exe"
fi

scripts/virtual-display.sh start "$build_dir" 144 >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
DISPLAY=$(cat "$build_dir/display/name")
export DISPLAY

out="$root/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
# The program names each picture it takes and says what it shows.
shots=$(wine "$build_dir/tests/screenshots/kestrelle_screenshots.exe" "$(winepath -w "$out")" | tr -d '\r')
shots+=$'\n'$(KESTRELLE_WINE_SCREEN=144 scripts/wine-run.sh "$build_dir" \
  "$build_dir/tests/screenshots/kestrelle_screenshots.exe" "$(winepath -w "$out")" moongates weapons)
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm "$bmp"
done
python3 tools/pictures/contact_sheet.py "$out/pictures.png" >/dev/null
echo "Pictures saved in build/screenshots/:"
sed 's/^\([^:]*\):/  \1.png:/' <<<"$shots"
echo "  pictures.png: every item and animal picture the program carries, on one sheet"
