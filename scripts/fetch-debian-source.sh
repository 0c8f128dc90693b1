#!/usr/bin/env bash
# Usage: fetch-debian-source.sh PACKAGE CACHE_DIR
# Unpacks Debian's source package PACKAGE below CACHE_DIR (once) and prints its folder.
set -euo pipefail
package=$1 cache=$2
mkdir -p "$cache"
exec 9>"$cache/.$package.lock"
flock 9
if [ -f "$cache/$package.dir" ] && [ -d "$(cat "$cache/$package.dir")" ]; then
    cat "$cache/$package.dir"; exit 0
fi
work="$cache/$package"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -q "$package" >&2)
dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
[ -n "$dir" ] || { echo "no source folder for $package" >&2; exit 1; }
echo "$dir" > "$cache/$package.dir"
echo "$dir"
