#!/usr/bin/env bash
# Extraction benchmark: extractor-cli (native preset) against unzip, bsdtar and
# 7zz, all extracting the same archive (made with Debian's zip) into a tmpfs.
# Prints wall times, the ratio to the fastest peer, and peak memory (GNU time).
# Targets: at most 0.7 times the fastest peer's wall time, at most 32 MiB.
#
# Usage: bench/zip-extract.sh [RUNS]     (default 3 runs per tool; the best counts)
# Needs: scripts/setup.sh --bench. BENCH_DIR overrides the work folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-3}

for tool in zip unzip bsdtar 7zz /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh --bench" >&2; exit 1; }
done

# Archive and outputs in RAM when a tmpfs is there; the corpus itself on disk.
if [ -d /dev/shm ] && [ "$(stat -f -c %T /dev/shm)" = tmpfs ]; then
    work=${BENCH_DIR:-/dev/shm/extractor-bench-$(id -u)}
else
    work=${BENCH_DIR:-$root/build/bench}
    echo "note: no tmpfs at /dev/shm; using $work" >&2
fi
corpus=$root/build/bench-corpus
archive=$work/corpus.zip
mkdir -p "$work"
trap 'rm -rf "$work/out"' EXIT

cmake --preset native >/dev/null
cmake --build --preset native --target extractor-cli >/dev/null
cli=$root/build/native/cli/extractor-cli

if [ ! -f "$corpus/.done" ]; then
    rm -rf "$corpus" && mkdir -p "$corpus"
    python3 bench/make_zip_corpus.py "$corpus"
    touch "$corpus/.done"
fi
if [ ! -f "$archive" ] || [ "$corpus/.done" -nt "$archive" ]; then  # made again for a new corpus
    (cd "$corpus" && zip -q -r -X "$archive" . -x .done)
fi
printf 'archive: %s MB, %s items\n' "$(( $(stat -c %s "$archive") / 1000000 ))" "$(unzip -Z1 "$archive" | wc -l)"

declare -A best_time best_mem best_cpu
measure() {  # name, command... (OUT is the output folder)
    local name=$1; shift
    for _ in $(seq "$runs"); do
        rm -rf "$work/out" && mkdir -p "$work/out"
        sync
        /usr/bin/time -f '%e %M %U %S' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || {
            echo "$name failed:" >&2; cat "$work/stderr.txt" >&2; exit 1; }
        read -r seconds kib user system < "$work/time.txt"
        if [ -z "${best_time[$name]:-}" ] || awk "BEGIN{exit !($seconds < ${best_time[$name]})}"; then
            best_time[$name]=$seconds
        fi
        cpu=$(awk "BEGIN{print $user + $system}")
        if [ -z "${best_cpu[$name]:-}" ] || awk "BEGIN{exit !($cpu < ${best_cpu[$name]})}"; then
            best_cpu[$name]=$cpu
        fi
        if [ -z "${best_mem[$name]:-}" ] || [ "$kib" -gt "${best_mem[$name]}" ]; then best_mem[$name]=$kib; fi
    done
}

measure extractor-cli "$cli" extract --to "$work/out" "$archive"
diff -r -q -x .done "$corpus" "$work/out" >/dev/null || { echo "extractor-cli output differs from the corpus" >&2; exit 1; }
measure unzip unzip -q -o "$archive" -d "$work/out"
measure bsdtar bsdtar -xf "$archive" -C "$work/out"
measure 7zz 7zz x -y -bso0 -bsp0 "-o$work/out" "$archive"

fastest=
for peer in unzip bsdtar 7zz; do
    if [ -z "$fastest" ] || awk "BEGIN{exit !(${best_time[$peer]} < ${best_time[$fastest]})}"; then fastest=$peer; fi
done
# CPU time (user + system) as a cross-check: on a busy machine wall times
# stretch with the load, CPU times much less.
printf '\n%-14s %9s %9s %9s %12s\n' tool "wall (s)" ratio "cpu (s)" "peak (MiB)"
for tool in extractor-cli unzip bsdtar 7zz; do
    ratio=$(awk "BEGIN{printf \"%.2f\", ${best_time[$tool]} / ${best_time[$fastest]}}")
    printf '%-14s %9s %9s %9s %12.1f\n' "$tool" "${best_time[$tool]}" "$ratio" "${best_cpu[$tool]}" \
        "$(awk "BEGIN{print ${best_mem[$tool]}/1024}")"
done
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
ratio=$(awk "BEGIN{printf \"%.2f\", ${best_time[extractor-cli]} / ${best_time[$fastest]}}")
mem=$(awk "BEGIN{printf \"%.1f\", ${best_mem[extractor-cli]}/1024}")
printf '\nextractor-cli: %sx the fastest peer (%s; target <= 0.70), peak %s MiB (target <= 32)\n' "$ratio" "$fastest" "$mem"
