#!/bin/sh
# Usage: wine-prefix.sh PREFIX
# Makes sure the Wine prefix PREFIX exists (64-bit with the 32-bit WoW64 side
# installed) and that its server runs for the current DISPLAY. Idempotent and
# safe to call from several processes at once.
set -eu
prefix=$1
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES-mscoree,mshtml=}"
here=$(cd "$(dirname "$0")" && pwd)

if [ ! -f "$prefix/.extractor-ready" ]; then
    echo "wine-prefix: creating $prefix" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 9>&-
    wineserver -w
    # Where this machine cannot run 32-bit x86 code natively, wineboot could not
    # install the 32-bit side; install it here, running the 32-bit step emulated.
    syswow="$prefix/drive_c/windows/syswow64"
    if [ ! -f "$syswow/ntdll.dll" ]; then
        cp /usr/lib/i386-linux-gnu/wine/i386-windows/* "$syswow/"
        WINE_RUN_NO_PREFIX_CHECK=1 "$here/wine-run.sh" --machine i386 'C:\windows\syswow64\rundll32.exe' \
            setupapi.dll,InstallHinfSection Wow64Install 128 '\\?\unix/usr/share/wine/wine.inf' </dev/null >/dev/null 2>&1 9>&-
    fi
    # Without a window manager Wine waits for every hidden or destroyed top-level window.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
    wineserver -w
    touch "$prefix/.extractor-ready"
fi

# Wine links the user's documents folder to the home folder; the program
# restores there by default, so the prefix keeps a documents folder of its own.
for docs in "$prefix"/drive_c/users/*/Documents; do
    if [ -L "$docs" ]; then rm -f "$docs" && mkdir -p "$docs"; fi
done

# Restart the server when the display changed: windows need the display the
# server's desktop was started with.
stamp="$prefix/.extractor-display"
if [ "$(cat "$stamp" 2>/dev/null)" != "${DISPLAY:-none}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
fi
if wineserver -p 600 </dev/null >/dev/null 2>&1 9>&-; then
    /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 9>&- || true
    echo "${DISPLAY:-none}" > "$stamp"
fi
