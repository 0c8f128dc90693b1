#!/usr/bin/env python3
"""Times extractor-cli restore of a ZIP backup and of a folder backup against
unzip, bsdtar and 7zz extracting the same archive (and cp -r for the folder
copy), all writing into the same file system, and prints the ratios.

usage: restore_bench.py EXTRACTOR_CLI WORK_DIR CORPUS_DIR [--runs N] [--total-mb M] [--files F]

The corpus is the one of the extraction benchmark (make_zip_corpus.py), made in
CORPUS_DIR once; the backup (a ZIP archive and a folder copy of the corpus, each
with its index) and every output go to WORK_DIR, one file system for all.

Each command runs once to warm the cache, then N times (default 5); the median
wall time and the largest peak resident memory of the timed runs are shown.
Outputs are removed and the file system synced between runs, outside the timing.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(argv, cwd=None):
    """Wall seconds and peak resident KiB of one run (the child's own rusage)."""
    start = time.perf_counter()
    child = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    errors = child.stderr.read().decode(errors="replace")
    if child.returncode != 0:
        sys.exit(f"{' '.join(argv)} failed with {child.returncode}: {errors}")
    return elapsed, usage.ru_maxrss


def measure(label, argv_for, out_dir, runs):
    def fresh():
        shutil.rmtree(out_dir, ignore_errors=True)
        os.makedirs(out_dir)
        subprocess.run(["sync"], check=True)

    fresh()
    run_once(argv_for(out_dir))
    times, peaks = [], []
    for _ in range(runs):
        fresh()
        elapsed, peak = run_once(argv_for(out_dir))
        times.append(elapsed)
        peaks.append(peak)
    result = (label, statistics.median(times), max(peaks))
    print(f"  {label:<28} {result[1]:8.3f} s  {result[2] / 1024:8.1f} MiB", flush=True)
    return result


def tree_size(root):
    files = total = 0
    for folder, _, names in os.walk(root):
        for name in names:
            files += 1
            total += os.path.getsize(os.path.join(folder, name))
    return files, total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("work")
    parser.add_argument("corpus")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--total-mb", type=int, default=560)
    parser.add_argument("--files", type=int, default=12000)
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)
    work = os.path.abspath(args.work)
    corpus = os.path.abspath(args.corpus)
    backup = os.path.join(work, "backup")
    out = os.path.join(work, "out")
    archive = os.path.join(backup, "Bench zip.zip")
    folder = os.path.join(backup, "Bench folder")

    # The extraction benchmark marks its corpus (the default size) with an empty ".done".
    stamp = f"{args.total_mb} {args.files}"
    done = os.path.join(corpus, ".done")
    made = open(done).read() if os.path.exists(done) else None
    if made is None or (made or "560 12000") != stamp:
        shutil.rmtree(corpus, ignore_errors=True)
        os.makedirs(corpus)
        subprocess.run([sys.executable, os.path.join(HERE, "make_zip_corpus.py"), corpus, str(args.total_mb),
                        str(args.files)], check=True)
        with open(done, "w") as f:
            f.write(stamp)
        shutil.rmtree(backup, ignore_errors=True)
    if not os.path.exists(os.path.join(backup, "folder.lxi")):
        shutil.rmtree(backup, ignore_errors=True)
        os.makedirs(backup)
        shutil.copytree(corpus, folder, ignore=shutil.ignore_patterns(".done"))
        subprocess.run(["zip", "-q", "-r", "-X", archive, "."], cwd=folder, check=True)
        for index, name, extra in (("zip.lxi", "Bench zip", []), ("folder.lxi", "Bench folder", ["--folder-copy"])):
            subprocess.run([sys.executable, os.path.join(HERE, "write_index.py"), os.path.join(backup, index), name]
                           + extra, check=True)
    files, total = tree_size(folder)
    print(f"corpus: {files} files, {total / 1e6:.1f} MB; ZIP archive {os.path.getsize(archive) / 1e6:.1f} MB; "
          f"{args.runs} rounds")

    print("ZIP backup:")
    zip_rows = [
        measure("extractor-cli restore", lambda o: [cli, "restore", "--to", o, os.path.join(backup, "zip.lxi")],
                out, args.runs),
        measure("unzip", lambda o: ["unzip", "-q", "-o", archive, "-d", o], out, args.runs),
        measure("bsdtar", lambda o: ["bsdtar", "-xf", archive, "-C", o], out, args.runs),
        measure("7zz", lambda o: ["7zz", "x", "-y", "-bd", "-bso0", "-o" + o, archive], out, args.runs),
    ]
    print("folder backup:")
    folder_rows = [
        measure("extractor-cli restore", lambda o: [cli, "restore", "--to", o, os.path.join(backup, "folder.lxi")],
                out, args.runs),
        measure("cp -r", lambda o: ["cp", "-r", folder, o], out, args.runs),
    ]
    shutil.rmtree(out, ignore_errors=True)

    ours = zip_rows[0]
    fastest = min(zip_rows[1:], key=lambda row: row[1])
    zip_ratio = ours[1] / fastest[1]
    folder_ratio = folder_rows[0][1] / folder_rows[1][1]
    print("ratios:")
    for label, seconds, _ in zip_rows[1:]:
        print(f"  ZIP restore / {label:<8} {ours[1] / seconds:6.2f}")
    print(f"  ZIP restore / fastest peer ({fastest[0]}): {zip_ratio:.2f}  (target <= 0.70)  "
          f"{'met' if zip_ratio <= 0.70 else 'NOT met'}")
    print(f"  ZIP restore peak memory: {ours[2] / 1024:.1f} MiB  (target <= 32)  "
          f"{'met' if ours[2] <= 32 * 1024 else 'NOT met'}")
    print(f"  folder restore / cp -r: {folder_ratio:.2f}  (target <= 1.10)  "
          f"{'met' if folder_ratio <= 1.10 else 'NOT met'}")


if __name__ == "__main__":
    main()
