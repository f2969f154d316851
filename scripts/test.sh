#!/usr/bin/env bash
# Installs what is missing, builds both presets and the Linux package and runs all their tests. Exits
# non-zero on any failure; CTest's summary of the Windows-side run is printed last.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1

status=0
# The committed pictures are the ones their drawings make.
python3 tools/pictures/generate.py --check || status=1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows || exit 1
# The Linux package (it carries the windows preset's Kestrelle.exe), unpacked and tried.
cmake --preset package >/dev/null && cmake --build --preset package && cpack --preset package >/dev/null || exit 1
tests/package/package_test.sh build/package || status=1

ctest --preset native -j2 || status=1
ctest --preset windows || status=1
exit $status
