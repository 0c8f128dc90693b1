#!/usr/bin/env bash
# What writing each restored file beside its target and renaming it over the
# target costs: two builds of extractor-cli (A: the one to judge, B: a baseline
# that writes in place) restore the same ZIP and folder backups, into an empty
# folder and over an earlier copy, timed in turn by farm-bench (A/B per pair).
#
# The cost is per file (a rename, and a new file where a writer in place would
# reuse the old one), so it shows most with many small files; on a journalling
# disk file system, over an earlier copy, making each new file's inode while the
# old ones are being freed costs far more than on tmpfs. Add "&& sync" to both
# commands to count the writing to disk too.
#
# Usage: bench/replace_cost.sh CLI_A CLI_B [TOTAL_MB] [FILES]
# Needs zip and farm-bench. BENCH_DIR overrides the work folder (default: /dev/shm).
set -euo pipefail
cd "$(dirname "$0")/.."
a=$(realpath "$1")
b=$(realpath "$2")
total_mb=${3:-200}
files=${4:-5000}
work=${BENCH_DIR:-/dev/shm/extractor-replace-bench-$(id -u)}

backup=$work/backup
if [ ! -f "$backup/.done-$total_mb-$files" ]; then
    rm -rf "$work"
    mkdir -p "$backup"
    python3 bench/make_zip_corpus.py "$backup/Bench folder" "$total_mb" "$files" >/dev/null
    (cd "$backup/Bench folder" && zip -q -r -X "$backup/Bench zip.zip" .)
    python3 bench/write_index.py "$backup/zip.lxi" "Bench zip"
    python3 bench/write_index.py "$backup/folder.lxi" "Bench folder" --folder-copy
    touch "$backup/.done-$total_mb-$files"
fi

for kind in zip folder; do
    index=$backup/$kind.lxi
    echo "== $kind backup, into an empty folder"
    farm-bench -n 7 --timeout 900 \
        --vs "sh -c 'rm -rf $work/out-b && mkdir $work/out-b && exec $b restore --to $work/out-b $index >/dev/null'" \
        -- sh -c "rm -rf $work/out-a && mkdir $work/out-a && exec $a restore --to $work/out-a $index >/dev/null"
    echo "== $kind backup, over an earlier copy"
    farm-bench -n 7 --timeout 900 \
        --vs "$b restore --to $work/out-b $index" \
        -- "$a" restore --to "$work/out-a" "$index"
done
rm -rf "$work/out-a" "$work/out-b"
