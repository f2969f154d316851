#!/usr/bin/env bash
# Runs Kestrelle: installs what is missing, builds the windows preset and starts Kestrelle.exe through
# Wine on the current display. Without a display it says so, shows the program on a virtual display
# instead, saves a PNG picture of each of its five pages (and of the Moongates page after a typed time, of the
# about box with its credits scrolling and opened again, and a contact sheet of the item and animal pictures)
# in build/screenshots/ and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrelle kestrelle_screenshots

build_dir="$root/build/windows"
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ]; then
  kestrelle_prepare_prefix Y
  exec wine "$build_dir/src/app/Kestrelle.exe"
fi

echo "No display (DISPLAY is not set): taking pictures of the five pages and the about box on a virtual display instead."
scripts/virtual-display.sh start "$build_dir" >/dev/null
trap 'scripts/virtual-display.sh stop "$build_dir"' EXIT
DISPLAY=$(cat "$build_dir/display/name")
export DISPLAY

out="$root/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
wine "$build_dir/tests/screenshots/kestrelle_screenshots.exe" "$(winepath -w "$out")" >/dev/null
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm "$bmp"
done
python3 tools/pictures/contact_sheet.py "$out/pictures.png"
echo "Screenshots saved in $out:"
ls -1 "$out"/*.png
