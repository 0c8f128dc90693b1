#!/usr/bin/env bash
# Builds everything and runs every test: natively (with sanitizers) and for
# Windows under Wine (32-bit deliverables and tests; the 64-bit shell extension).
# Installs what is missing first. Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh

step() { printf '\n=== %s\n' "$*"; }
jobs=$(nproc)

step "native build and tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ctest --preset native-asan -j "$jobs"

for tree in win32 win64; do
    step "$tree build"
    cmake --preset "$tree" >/dev/null
    cmake --build --preset "$tree" -j "$jobs"
done

export EXTRACTOR_WINEPREFIX="$root/build/wine"
stop_wine() { WINEPREFIX="$EXTRACTOR_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT
for tree in win32 win64; do
    step "$tree tests under Wine"
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$tree" -j "$jobs"
done
step "all tests passed"
