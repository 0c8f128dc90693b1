"""Restores a sample backup into a file system too small for it (a 64 KiB
tmpfs mounted in a private mount namespace) and checks what a user is told:
the file that did not fit is named on standard error with the system's reason,
the restoration ends "with errors" (exit 1), the files that fit are there and
no partial or temporary file is left. Skipped (77) where no file system can
be mounted (not root, no unshare)."""
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

SKIP = 77


def main(cli, sampler):
    if os.geteuid() != 0 or shutil.which("unshare") is None:
        print("skipped: mounting a small file system needs root and unshare")
        return SKIP
    work = tempfile.mkdtemp(prefix="extractor-fullfs-")
    try:
        subprocess.run([sampler, work], check=True)
        with zipfile.ZipFile(os.path.join(work, "Sample backup 2024-03-05_14-30.zip"), "w") as archive:
            archive.writestr("notes.txt", "small enough")
            archive.writestr("Documents/big.bin", os.urandom(200 * 1024))
            archive.writestr("zz-after.txt", "restored after the failure")
        target = os.path.join(work, "small")
        os.mkdir(target)
        script = 'mount -t tmpfs -o size=64k tmpfs "$1" || exit 77; shift; "$@"; status=$?; ' \
                 'find "$MOUNTED" -print | sort; exit $status'
        run = subprocess.run(
            ["unshare", "-m", "--propagation", "private", "sh", "-c", script, "sh", target,
             cli, "restore", "--to", target, os.path.join(work, "sample.lxi")],
            env=dict(os.environ, MOUNTED=target), capture_output=True, text=True)
        if run.returncode == SKIP:
            print("skipped: no tmpfs could be mounted")
            return SKIP
        failures = []
        if run.returncode != 1:
            failures.append(f"exit status {run.returncode}, expected 1 (completed with errors)")
        big = os.path.join("Documents", "big.bin")
        reason_lines = [line for line in run.stderr.splitlines() if big in line]
        if not any("No space left on device" in line for line in reason_lines):
            failures.append("no line on standard error names Documents/big.bin with the system's reason")
        if "*** " + big + " -- FAILED!" not in run.stdout:
            failures.append("the log lacks the failure line of Documents/big.bin")
        left = run.stdout.splitlines()
        for expected in ("notes.txt", "zz-after.txt"):
            if os.path.join(target, expected) not in left:
                failures.append(f"{expected} was not restored")
        for path in left:
            if path.startswith(target) and (path.endswith(".tmp") or path.endswith("big.bin")):
                failures.append(f"left behind: {path}")
        if failures:
            print("\n".join(failures))
            print("--- out\n" + run.stdout + "--- err\n" + run.stderr)
            return 1
        print("ok:\n" + run.stderr)
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
