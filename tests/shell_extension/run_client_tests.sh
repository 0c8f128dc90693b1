#!/usr/bin/env bash
# Runs the Ombrix client tests under Wine. Beforehand it prepares a stand-in for
# a protected program folder: a folder holding the stub program that accepts no
# new files (immutable; needs root). Where that cannot be made, the one test
# that needs it is skipped.
# Usage: run_client_tests.sh WINE_RUN CLIENT_EXE STUB_EXE
set -u
wine_run=$1 client=$2 stub=$3

protected=$(mktemp -d "${TMPDIR:-/tmp}/ombrix-protected.XXXXXX")
cleanup() {
    chattr -i "$protected" 2>/dev/null
    rm -rf "$protected"
}
trap cleanup EXIT
cp "$stub" "$protected/Lumavex.exe"
if chattr +i "$protected" 2>/dev/null && ! touch "$protected/probe" 2>/dev/null; then
    OMBRIX_PROTECTED_BURNER_FOLDER="Z:$(printf '%s' "$protected" | tr / '\\')\\"
    export OMBRIX_PROTECTED_BURNER_FOLDER
else
    echo "run_client_tests: cannot make a folder refuse new files here; that case is skipped" >&2
fi

"$wine_run" "$client" --gtest_color=no
