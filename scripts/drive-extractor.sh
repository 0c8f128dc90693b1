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
wine_run=$tree/wine-run
probe_exe=$tree/tests/main_window/WindowProbe.exe
source scripts/program-driving.sh

start_program "$folder"
probe wait "$title" 180 || { echo "drive-extractor: no window" >&2; exit 1; }
destination=$(probe edit "$title" | tr -d '\r')
click "$title" "Restore"
echo "Extractor.exe restored the backup in $folder:"
echo "  last log line: $(wait_log "$title" "Operation")"
echo "  into $destination, that is $(documents_folder):"
(cd "$(documents_folder)" && find . -mindepth 1 -maxdepth 3 | sort | sed "s|^|    |")
if [ -n "${EXTRACTOR_HEADLESS:-}" ]; then
    stop_program "$title" || true
else
    echo "Close the window to end the demo."
    wait "$program" || true
    program=""
fi
