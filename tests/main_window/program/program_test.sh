#!/usr/bin/env bash
# Starts Extractor.exe as a separate process the way a user does: copied beside
# a sample backup and double-clicked (started in that folder). Waits for its
# window by title, presses Restore, and checks the log's last line and the files
# restored into the documents folder. A second start in a folder without any
# index must show the "No archive indexes" box before the window.
# Usage: program_test.sh WINE_RUN EXTRACTOR_EXE WINDOW_PROBE_EXE MAKE_SAMPLE_INDEX_EXE
set -euo pipefail
wine_run=$1 extractor=$2 probe_exe=$3 make_index=$4
source "$(dirname "$0")/../../../scripts/program-driving.sh"
fail() { echo "program_test: $*" >&2; exit 1; }

# The sample backup: its index and its stamped ZIP archive.
mkdir -p "$work/disc"
"$wine_run" "$make_index" "$(winpath "$work/disc")" >/dev/null
rm "$work/disc/sample-xml.lxi"
mkdir -p "$work/tree/Letters"
printf 'Dear reader,\r\nthis letter was restored.\r\n' >"$work/tree/Letters/letter.txt"
printf 'notes\r\n' >"$work/tree/notes.txt"
(cd "$work/tree" && zip -q -r -X "$work/disc/Sample backup 2024-03-05_14-30.zip" .)
cp "$extractor" "$work/disc/Extractor.exe"

docs=$(documents_folder)
rm -rf "$docs/Letters" "$docs/notes.txt"

start_program "$work/disc"
probe wait "$title" 180 || fail "the main window did not appear"
destination=$(probe edit "$title" | tr -d '\r')
case "$destination" in *Documents\\) ;; *) fail "unexpected destination '$destination'" ;; esac
click "$title" "Restore" || fail "no enabled Restore button"
last=$(wait_log "$title" "Operation")
[ "$last" = "Operation completed successfully." ] || fail "last log line: '$last'"
cmp -s "$work/tree/Letters/letter.txt" "$docs/Letters/letter.txt" || fail "Letters\\letter.txt not restored"
cmp -s "$work/tree/notes.txt" "$docs/notes.txt" || fail "notes.txt not restored"
stop_program "$title" || fail "Extractor.exe ended with status $?"
rm -rf "$docs/Letters" "$docs/notes.txt"

# Without an index: the box first, then the window.
mkdir "$work/empty"
cp "$extractor" "$work/empty/Extractor.exe"
start_program "$work/empty"
probe wait "No archive indexes" 180 || fail "no 'No archive indexes' box"
probe wait "$title" 1 && fail "the main window showed before the box"
# OK on the box; the box may take a moment to take input under a busy display.
for _ in 1 2 3 4 5 6; do
    probe click "No archive indexes" "OK" || true
    probe wait "$title" 10 && break
done
probe wait "$title" 1 || fail "the main window did not follow the box"
stop_program "$title" || fail "Extractor.exe ended with status $?"
echo "program_test: passed"
