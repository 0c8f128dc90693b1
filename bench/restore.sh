#!/usr/bin/env bash
# Benchmark of extractor-cli restore against unzip, bsdtar, 7zz and cp -r.
# Builds the optimised tree, builds the corpus once under build/bench, runs.
# Usage: bench/restore.sh [--runs N] [--scale S]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --bench >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target extractor-cli >/dev/null
python3 bench/restore_bench.py build/native/cli/extractor-cli build/bench/restore "$@"
