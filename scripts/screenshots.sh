#!/usr/bin/env bash
# Starts Extractor.exe under Wine on a sample backup and saves screenshots of
# its windows: the index selection dialog, the main window before and after a
# restoration, the About dialog, the version dialog and the main window in
# German. Under Xvfb unless DISPLAY is set. Usage: scripts/screenshots.sh [OUTDIR]
# (default build/screenshots). Expects the win32 tree to be configured (scripts/test.sh
# or cmake --preset win32); builds what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-build/screenshots}")

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$out"
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Extractor window_probe make-sample-index >/dev/null
tree=$root/build/win32
export EXTRACTOR_WINEPREFIX=${EXTRACTOR_WINEPREFIX:-$root/build/wine}
wine_run=$tree/wine-run
probe_exe=$tree/tests/main_window/WindowProbe.exe
mkdir -p "$out"
source scripts/program-driving.sh

# Saves the window with that title (its X window, frame included) as OUT/NAME.png.
shoot() {
    xdotool mousemove 1279 1023  # no tooltip under the pointer
    sleep 1
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    import -window "$id" "$out/$2.png"
    echo "screenshots: $out/$2.png"
}
# A disc with a backup, its index in both forms, and the program beside it.
disc=$work/disc
mkdir -p "$disc" "$work/tree/Documents/Budget" "$work/tree/Photos/2024"
"$wine_run" "$tree/tests/index_writer/make-sample-index.exe" "$(winpath "$disc")" >/dev/null
printf 'Dear reader,\r\nthis letter was backed up.\r\n' >"$work/tree/Documents/letter.txt"
printf 'month;amount\r\njanuary;120\r\n' >"$work/tree/Documents/Budget/2024.csv"
head -c 100000 /dev/urandom >"$work/tree/Photos/2024/beach.jpg"
printf 'Notes\r\n' >"$work/tree/notes.txt"
(cd "$work/tree" && zip -q -r -X "$disc/Sample backup 2024-03-05_14-30.zip" .)
(cd "$work/tree" && zip -q -r -X "$disc/Sample backup 2024-02-01_09-00.zip" .)
cp "$tree/extractor/main_window/Extractor.exe" "$disc/"
docs=$(documents_folder)

# Two indexes: the selection dialog comes first.
start_program "$disc"
probe wait "Select archive to open" 180
probe tree "Select archive to open"
shoot "Select archive to open" index-selection
probe key "Select archive to open" return
probe wait "$title" 60
shoot "$title" main-window
click "$title" "Restore"
wait_log "$title" "Operation" >/dev/null
shoot "$title" main-window-restored
# Help > About with the mouse, as a user opens it.
window_id=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
xdotool mousemove --window "$window_id" 55 33 click 1
sleep 1
xdotool mousemove --window "$window_id" 70 52 click 1
probe wait "About" 60
shoot "About" about
probe key "About" return
stop_program "$title" || true

# Only the older version left, one index: the version dialog.
rm "$disc/sample-xml.lxi"
mv "$disc/Sample backup 2024-03-05_14-30.zip" "$work/current.zip"
start_program "$disc"
probe wait "Select the desired archive version" 180
shoot "Select the desired archive version" version-selection
probe key "Select the desired archive version" return
probe wait "$title" 60
stop_program "$title" || true
mv "$work/current.zip" "$disc/Sample backup 2024-03-05_14-30.zip"

# A German language file beside the program.
cp extractor/resources/languages/Deutsch.lng "$disc/Extractor.lng"
start_program "$disc"
german="Lumavex Wiederherstellung von Sicherungen"
probe wait "$german" 180
shoot "$german" main-window-german
click "$german" "Wiederherstellen"
wait_log "$german" "Vorgang" >/dev/null
shoot "$german" main-window-german-restored
stop_program "$german" || true
echo "screenshots: restored files are in $docs"
