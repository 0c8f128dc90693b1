#!/usr/bin/env bash
# Starts Extractor.exe from FOLDER under Wine as a user does, presses Restore
# and waits for the outcome; says where the files went. On the display in
# DISPLAY (the window then stays until the user closes it), else under Xvfb.
# Usage: scripts/drive-extractor.sh FOLDER   (FOLDER holds Extractor.exe and a backup)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
    EXTRACTOR_HEADLESS=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$folder"
fi
tree=$PWD/build/win32
export EXTRACTOR_WINEPREFIX=${EXTRACTOR_WINEPREFIX:-$PWD/build/wine}
probe() { "$tree/wine-run" "$tree/tests/main_window/WindowProbe.exe" "$@"; }
title="Lumavex backup restoration utility"

(cd "$folder" && exec "$tree/wine-run" ./Extractor.exe) &
program=$!
probe wait "$title" 180 || { echo "drive-extractor: no window" >&2; kill "$program"; exit 1; }
destination=$(probe edit "$title" | tr -d '\r')
echo "Extractor.exe lists:"
echo "  destination: $destination"
probe click "$title" "Restore"
last=""
for _ in $(seq 1 600); do
    last=$(probe log "$title" | tr -d '\r' | tail -n 1)
    case "$last" in Operation*) break ;; esac
    sleep 0.2
done
echo "  last log line: $last"
docs=$(ls -d "$EXTRACTOR_WINEPREFIX"/drive_c/users/*/Documents | grep -v /Public/ | head -n 1)
echo "  restored into $destination, that is $docs:"
(cd "$docs" && find . -mindepth 1 -maxdepth 3 | sort | sed "s|^|    |")
if [ -n "${EXTRACTOR_HEADLESS:-}" ]; then
    probe close "$title"
else
    echo "Close the window to end the demo."
fi
wait "$program" || true
