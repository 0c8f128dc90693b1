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
