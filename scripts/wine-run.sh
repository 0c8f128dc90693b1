#!/bin/sh
# Usage: wine-run.sh [--machine i386|x86_64] PROGRAM [ARGS...]   (WINEPREFIX set)
# Runs a Windows program under Wine. The machine comes from the program's PE
# header (or --machine for built-in programs such as regsvr32). 32-bit programs
# run with Wine's 32-bit loader; where the machine cannot execute 32-bit x86
# code (some virtual machines), that loader runs under qemu-i386 user emulation.
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES-mscoree,mshtml=}"
here=$(cd "$(dirname "$0")" && pwd)

machine=""
if [ "${1:-}" = "--machine" ]; then
    machine=$2
    shift 2
fi

pe_machine() {
    if [ ! -f "$1" ]; then echo x86_64; return; fi
    offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
    case $(od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' ') in
        014c) echo i386 ;;
        *) echo x86_64 ;;
    esac
}
[ -n "$machine" ] || machine=$(pe_machine "$1")

if [ -z "${WINE_RUN_NO_PREFIX_CHECK:-}" ]; then
    "$here/wine-prefix.sh" "$WINEPREFIX"
fi

if [ "$machine" = x86_64 ]; then
    exec /usr/lib/wine/wine64 "$@"
fi
# The qemu address-space size keeps Wine's start-up reservations cheap; Wine
# needs the shared user data page at 0x7ffe0000 below it.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exec /usr/lib/wine/wine "$@"
fi
WINELOADERNOEXEC=1 exec qemu-i386 -R 0x81000000 /usr/lib/wine/wine "$@"
