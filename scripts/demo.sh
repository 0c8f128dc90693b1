#!/usr/bin/env bash
# Builds the command-line restorer and runs it on a built-in sample backup.
# Installs what is missing first. Usage: scripts/demo.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)"

sample=build/sample
rm -rf "$sample" && mkdir -p "$sample"
build/native/tests/index_writer/make-sample-index "$sample"
cli=build/native/cli/extractor-cli

echo "== extractor-cli info $sample/sample.lxi (binary index)"
"$cli" info "$sample/sample.lxi"
echo
echo "== extractor-cli info --json $sample/sample-xml.lxi (XML index)"
"$cli" info --json "$sample/sample-xml.lxi"

# The main job: a sample backup (the index above, its ZIP data and an older
# stamped version beside it) restored with extractor-cli restore.
echo
echo "== making the sample backup's data beside $sample/sample.lxi"
make_tree() {  # make_tree FOLDER VERSION-TEXT
    mkdir -p "$1/Documents/Budget" "$1/Photos/2024" "$1/Empty folder"
    printf 'Dear reader,\nthis letter was backed up (%s).\n' "$2" >"$1/Documents/letter.txt"
    printf 'month;amount\njanuary;120\nfebruary;95\n' >"$1/Documents/Budget/2024.csv"
    head -c 200000 /dev/urandom >"$1/Photos/2024/beach.jpg"
    printf 'Notes of %s\n' "$2" >"$1/notes.txt"
}
make_tree "$sample/current" "version of 2024-03-05 14:30"
make_tree "$sample/older" "version of 2024-02-01 09:00"
(cd "$sample/current" && zip -q -r -X "../Sample backup 2024-03-05_14-30.zip" .)
(cd "$sample/older" && zip -q -r -X "../Sample backup 2024-02-01_09-00.zip" .)
rm -rf "$sample/current" "$sample/older"
ls -1 "$sample"

echo
echo "== extractor-cli locate $sample/sample.lxi"
"$cli" locate "$sample/sample.lxi"
echo
echo "== extractor-cli list $sample/sample.lxi"
"$cli" list "$sample/sample.lxi"
echo
echo "== extractor-cli restore --to $sample/restored $sample/sample.lxi"
mkdir -p "$sample/restored"
status=0
"$cli" restore --to "$sample/restored" "$sample/sample.lxi" || status=$?
echo "(exit status $status)"
(cd "$sample/restored" && find . -mindepth 1 | sort)
echo "letter.txt says: $(tail -n 1 "$sample/restored/Documents/letter.txt")"

echo
echo "== without its current data, the index offers the older version"
mv "$sample/Sample backup 2024-03-05_14-30.zip" "$sample/current.zip.away"
"$cli" locate "$sample/sample.lxi"
echo
echo "== extractor-cli restore --version 1 --json --to $sample/restored-older $sample/sample.lxi"
mkdir -p "$sample/restored-older"
"$cli" restore --version 1 --json --to "$sample/restored-older" "$sample/sample.lxi"
echo "letter.txt says: $(tail -n 1 "$sample/restored-older/Documents/letter.txt")"
mv "$sample/current.zip.away" "$sample/Sample backup 2024-03-05_14-30.zip"

# The product itself: Extractor.exe beside the sample backup, as on a backup
# disc, started under Wine. On the user's display when DISPLAY is set,
# otherwise under Xvfb; either way Restore is pressed for the user.
echo
echo "== Extractor.exe: building the Windows program"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Extractor window_probe make-sample-index >/dev/null
tree=build/win32
disc=$PWD/build/sample-disc
rm -rf "$disc" && mkdir -p "$disc"
cp "$sample/sample.lxi" "$sample"/*.zip "$tree/extractor/main_window/Extractor.exe" "$disc/"
export EXTRACTOR_WINEPREFIX=$PWD/build/wine
bash scripts/drive-extractor.sh "$disc"

echo
echo "== screenshots of every window"
bash scripts/screenshots.sh build/screenshots
