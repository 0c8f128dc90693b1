#!/usr/bin/env bash
# How many files of a damaged ZIP backup come back: extractor-cli against
# unzip, bsdtar, 7zz and Python's zipfile, on one 55-file archive made by zip
# and damaged in three ways that old discs show:
#   cut     the archive cut at 90 % of its length (the last sectors lost)
#   zeroed  the central directory overwritten with zeros
#   hole    4 KiB of zeros in the middle (one bad sector run)
# For each tool: the files whose content equals the original, the files
# written with other content (damage passed off as good) and its exit status;
# for extractor-cli also the items it names as failed.
#
# Usage: bench/damaged-archives.sh [CLI]   (default build/native/cli/extractor-cli)
# Needs zip, unzip, bsdtar, 7zz, python3 (scripts/setup.sh --bench).
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/native/cli/extractor-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/files" <<'EOF'
import os, random, sys
rng = random.Random(55)
words = "backup restore disc folder index element version data file the of and to".split()
for i in range(55):
    folder = os.path.join(sys.argv[1], "part%d" % (i % 5))
    os.makedirs(folder, exist_ok=True)
    size = rng.randint(4000, 60000)
    text = " ".join(rng.choice(words) for _ in range(size // 5))
    noise = bytes(rng.getrandbits(8) for _ in range(size // 4))  # keeps items from shrinking to nothing
    with open(os.path.join(folder, "file%02d.dat" % i), "wb") as out:
        out.write(text.encode() + noise)
EOF
(cd "$work/files" && zip -q -r -X "$work/good.zip" .)

python3 - "$work" <<'EOF'
import sys
work = sys.argv[1]
data = open(work + "/good.zip", "rb").read()
open(work + "/cut.zip", "wb").write(data[: len(data) * 9 // 10])
end = data.rfind(b"PK\x05\x06")
start = int.from_bytes(data[end + 16 : end + 20], "little")
open(work + "/zeroed.zip", "wb").write(data[:start] + bytes(end - start) + data[end:])
middle = len(data) // 2
open(work + "/hole.zip", "wb").write(data[:middle] + bytes(4096) + data[middle + 4096 :])
EOF

count() {  # out folder: "intact wrong"
    python3 - "$work/files" "$1" <<'EOF'
import os, sys
original, out = sys.argv[1], sys.argv[2]
intact = wrong = 0
for root, _, names in os.walk(out):
    for name in names:
        path = os.path.join(root, name)
        reference = os.path.join(original, os.path.relpath(path, out))
        same = os.path.isfile(reference) and open(reference, "rb").read() == open(path, "rb").read()
        intact += same
        wrong += not same
print(intact, wrong)
EOF
}

run() {  # tool damage command...
    local tool=$1 damage=$2; shift 2
    rm -rf "$work/out" && mkdir "$work/out"
    local status=0
    "$@" >"$work/stdout" 2>"$work/stderr" || status=$?
    read -r intact wrong < <(count "$work/out")
    local named=
    if [ "$tool" = extractor-cli ]; then named=$(grep -c -e '-- FAILED!' "$work/stdout" || true); fi
    printf '%-8s %-14s %6s %6s %6s %6s\n' "$damage" "$tool" "$intact" "$wrong" "${named:--}" "$status"
}

printf '%-8s %-14s %6s %6s %6s %6s\n' damage tool intact wrong named exit
for damage in cut zeroed hole; do
    zip=$work/$damage.zip
    run extractor-cli "$damage" "$cli" extract --to "$work/out" "$zip"
    run unzip "$damage" unzip -q -o "$zip" -d "$work/out"
    run bsdtar "$damage" bsdtar -xf "$zip" -C "$work/out"
    run 7zz "$damage" 7zz x -y -bso0 -bsp0 "-o$work/out" "$zip"
    run zipfile "$damage" python3 -m zipfile -e "$zip" "$work/out"
done
