#!/usr/bin/env bash
# Restore benchmark: extractor-cli restore of a ZIP backup and of a folder
# backup against unzip, bsdtar and 7zz extracting the same archive and cp -r
# copying the same folder, all writing into one file system (a tmpfs when
# /dev/shm is one). Prints the times, the ratios and the peak memory.
# Targets: ZIP restore at most 0.7 times the fastest peer's wall time and at
# most 32 MiB; folder restore at most 1.1 times cp -r.
#
# Usage: bench/restore.sh [--runs N] [--total-mb M] [--files F]
# Needs: scripts/setup.sh --bench. BENCH_DIR overrides the work folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

for tool in zip unzip bsdtar 7zz cp /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh --bench" >&2; exit 1; }
done
if [ -d /dev/shm ] && [ "$(stat -f -c %T /dev/shm)" = tmpfs ]; then
    work=${BENCH_DIR:-/dev/shm/extractor-restore-bench-$(id -u)}
else
    work=${BENCH_DIR:-$root/build/bench-restore}
    echo "note: no tmpfs at /dev/shm; using $work" >&2
fi

cmake --preset native >/dev/null
cmake --build --preset native --target extractor-cli >/dev/null
python3 bench/restore_bench.py build/native/cli/extractor-cli "$work" "$root/build/bench-corpus" "$@"
