#!/usr/bin/env bash
# Makes the Linux package: installs what is missing, builds the windows preset (Kestrelle.exe) and the
# package preset (the native commands and the desktop icons), and runs cpack, which leaves
# kestrelle_<version>_amd64.deb and kestrelle-<version>-linux-x86_64.tar.gz in build/package.
set -euo pipefail
cd "$(dirname "$0")/.."
# A build folder that came with a copy of the checkout belongs to the checkout it was made in, and CMake
# will not use it here.
for preset in windows package; do
  made_in=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "build/$preset/CMakeCache.txt" 2>/dev/null || true)
  if [ -n "$made_in" ] && [ "$made_in" != "$(pwd)" ]; then
    echo "build/$preset was made by a build in $made_in, not here: remove it (rm -rf $(pwd)/build/$preset)" \
      "and run scripts/package.sh again." >&2
    exit 1
  fi
done
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrelle
cmake --preset package >/dev/null
cmake --build --preset package
cpack --preset package >/dev/null
ls build/package/kestrelle_*_amd64.deb build/package/kestrelle-*-linux-x86_64.tar.gz
