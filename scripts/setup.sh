#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test both targets,
# and prepares a Wine prefix. Idempotent: does nothing when all is present.
# Runs as root or through sudo.  Usage: scripts/setup.sh [--bench]
set -euo pipefail

want_bench=0
[ "${1:-}" = "--bench" ] && want_bench=1

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    # native build and tests
    g++ cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev
    libtinyxml2-dev zlib1g-dev libdeflate-dev libsimpleini-dev
    # fuzzing
    clang libclang-rt-14-dev
    # Windows cross build (posix thread model: std::thread, GoogleTest)
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    # running Windows tests
    wine wine64 wine32:i386 fonts-wine qemu-user xvfb xauth xdotool imagemagick
    # fetching Debian source packages for the cross build
    dpkg-dev
    # the demo's sample backup
    zip
)
if [ "$want_bench" -eq 1 ]; then
    packages+=(zip unzip libarchive-tools 7zip time python3)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    need_update=1
fi

# apt-get source needs a deb-src entry next to the binary one.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src ' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -n '/^Types: deb$/,/^$/p' /etc/apt/sources.list.d/debian.sources \
            | sed 's/^Types: deb$/Types: deb-src/' \
            | as_root tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
            | as_root tee /etc/apt/sources.list.d/debian-src.list >/dev/null
    fi
    need_update=1
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" -eq 1 ]; then
    as_root apt-get update -q
fi
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
echo "setup: packages ready"
