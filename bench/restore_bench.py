#!/usr/bin/env python3
"""Times extractor-cli restore of a ZIP backup and of a folder backup against
unzip, bsdtar and 7zz extracting the same archive (and cp -r for the folder
copy), all writing into the same file system, and prints the ratios.

usage: restore_bench.py EXTRACTOR_CLI WORK_DIR CORPUS_DIR [--runs N] [--total-mb M] [--files F]

The corpus is the one of the extraction benchmark (make_zip_corpus.py), made in
CORPUS_DIR once; the backup (a ZIP archive and a folder copy of the corpus, each
with its index) and every output go to WORK_DIR, one file system for all.

Each command runs once to warm the cache, then N rounds (default 5) run every
command once in turn. The best wall time is compared (the least disturbed by
other work on the machine); the median and the processor time are shown too,
with the largest peak resident memory. Outputs are removed and the file system
synced between runs, outside the timing.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(argv, peak_file):
    """Wall seconds, processor seconds (user + system) and peak resident KiB of
    one run. GNU time reports the last two: a child forked from this Python
    process would count the interpreter's pages."""
    start = time.perf_counter()
    child = subprocess.run(["/usr/bin/time", "-f", "%U %S %M", "-o", peak_file] + argv,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    elapsed = time.perf_counter() - start
    if child.returncode != 0:
        sys.exit(f"{' '.join(argv)} failed with {child.returncode}: {child.stderr.decode(errors='replace')}")
    with open(peak_file) as f:
        user, system, peak = f.read().split()[-3:]
    return elapsed, float(user) + float(system), int(peak)


def measure_all(tools, out_dir, runs):
    """Runs every tool once to warm the cache, then `runs` rounds in which each
    tool runs once, so that a change of load on the machine touches all alike.
    Returns {label: (best wall, median wall, best processor time, peak KiB)}."""
    peak_file = out_dir + ".peak"

    def one(argv_for):
        shutil.rmtree(out_dir, ignore_errors=True)
        os.makedirs(out_dir)
        subprocess.run(["sync"], check=True)
        return run_once(argv_for(out_dir), peak_file)

    for _, argv_for in tools:
        one(argv_for)
    samples = {label: [] for label, _ in tools}
    for _ in range(runs):
        for label, argv_for in tools:
            samples[label].append(one(argv_for))
    os.remove(peak_file)
    shutil.rmtree(out_dir, ignore_errors=True)
    results = {}
    for label, _ in tools:
        walls = [w for w, _, _ in samples[label]]
        results[label] = (min(walls), statistics.median(walls), min(c for _, c, _ in samples[label]),
                          max(p for _, _, p in samples[label]))
        best, median, cpu, peak = results[label]
        print(f"  {label:<24} best {best:7.3f} s  median {median:7.3f} s  cpu {cpu:7.3f} s  "
              f"peak {peak / 1024:6.1f} MiB", flush=True)
    return results


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
    zip_results = measure_all([
        ("extractor-cli restore", lambda o: [cli, "restore", "--to", o, os.path.join(backup, "zip.lxi")]),
        ("unzip", lambda o: ["unzip", "-q", "-o", archive, "-d", o]),
        ("bsdtar", lambda o: ["bsdtar", "-xf", archive, "-C", o]),
        ("7zz", lambda o: ["7zz", "x", "-y", "-bd", "-bso0", "-o" + o, archive]),
    ], out, args.runs)
    print("folder backup:")
    folder_results = measure_all([
        ("extractor-cli restore", lambda o: [cli, "restore", "--to", o, os.path.join(backup, "folder.lxi")]),
        ("cp -r", lambda o: ["cp", "-r", folder, o]),
    ], out, args.runs)

    ours = zip_results.pop("extractor-cli restore")
    fastest_label, fastest = min(zip_results.items(), key=lambda item: item[1][0])
    print("ratios (best wall time; processor time in brackets):")
    for label, row in zip_results.items():
        print(f"  ZIP restore / {label:<8} {ours[0] / row[0]:5.2f}  ({ours[2] / row[2]:.2f})")
    zip_ratio = ours[0] / fastest[0]
    folder_ratio = folder_results["extractor-cli restore"][0] / folder_results["cp -r"][0]
    folder_cpu = folder_results["extractor-cli restore"][2] / folder_results["cp -r"][2]
    print(f"  ZIP restore / fastest peer ({fastest_label}): {zip_ratio:.2f}  (target <= 0.70)  "
          f"{'met' if zip_ratio <= 0.70 else 'NOT met'}")
    print(f"  ZIP restore peak memory: {ours[3] / 1024:.1f} MiB  (target <= 32)  "
          f"{'met' if ours[3] <= 32 * 1024 else 'NOT met'}")
    print(f"  folder restore / cp -r: {folder_ratio:.2f}  ({folder_cpu:.2f})  (target <= 1.10)  "
          f"{'met' if folder_ratio <= 1.10 else 'NOT met'}")


if __name__ == "__main__":
    main()
