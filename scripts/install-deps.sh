#!/usr/bin/env bash
# Installs what building, running and testing Kestrelle needs on a Debian machine; installs nothing that
# is already there, so it is quick when run again.
set -euo pipefail

packages=(
  cmake ninja-build clang libclang-rt-14-dev googletest libbenchmark-dev
  mingw-w64 wine wine64 xvfb xauth x11-apps imagemagick
  fonts-liberation fonts-dejavu-core fonts-wine
  hyperfine filters time python3 locales
  # The native link (Xlib), and for its tests an SDL window that plays a native ClassicUO, xmodmap and xprop.
  libx11-dev libsdl2-dev pkg-config x11-xserver-utils x11-utils
  # The Linux package's checks: Debian's package checker, the menu entry's and the AppStream file's.
  lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
