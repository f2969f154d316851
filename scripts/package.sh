#!/usr/bin/env bash
# Makes the Linux package: installs what is missing, builds the windows preset (Kestrelle.exe) and the
# package preset (the native commands and the desktop icon), and runs cpack, which leaves
# kestrelle_<version>_amd64.deb and kestrelle-<version>-linux-x86_64.tar.gz in build/package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrelle
cmake --preset package >/dev/null
cmake --build --preset package
cpack --preset package >/dev/null
ls build/package/kestrelle_*_amd64.deb build/package/kestrelle-*-linux-x86_64.tar.gz
