#!/usr/bin/env bash
# Builds libmdb 1.0.1 for 64-bit Windows from Debian's source package mdbtools, once, into
#   $LUMVIK_WINDOWS_CACHE/libmdb-1.0.1-mingw64   (default cache: /var/cache/lumvik-windows)
# and does nothing when that prefix is already complete. Lumvik links it as libmdb-3.dll.
#
# The upstream tarball comes from the trixie source index through a private, throw-away apt
# configuration (bookworm's 1.0.0 files are no longer served, and trixie's .dsc is missing, so
# "apt-get source" as a whole fails): apt names the file and its SHA256 from the signed index,
# and apt's own downloader checks the file against it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${LUMVIK_WINDOWS_CACHE:-/var/cache/lumvik-windows}
prefix=$cache/libmdb-1.0.1-mingw64
stamp=$prefix/.complete
[ -f "$stamp" ] && exit 0

work=$cache/libmdb-build
rm -rf "$work"
mkdir -p "$work"
cd "$work"
source "$here/private-apt.sh"
private_apt "$work/apt" trixie
# A line of --print-uris: 'URI' name size SHA256:hash
read -r uri name _ checksum < <(apt-get "${apt_options[@]}" source --print-uris -qq mdbtools=1.0.1-0.1 |
                                 grep "mdbtools_1.0.1.orig.tar.gz")
[[ $checksum == SHA256:* ]] || { echo "no SHA256 for $name in the source index" >&2; exit 1; }
/usr/lib/apt/apt-helper -qq download-file "${uri//\'/}" "$work/$name" "$checksum" 2>&1 | grep -v unsandboxed || true
echo "$(cut -d: -f2 <<<"$checksum")  $name" | sha256sum --check --quiet
tar -xzf "$name"
patch -d mdbtools-1.0.1 -p1 --quiet <"$here/libmdb/utf8-text.patch"

cmake -S "$here/libmdb" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw64-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DMDBTOOLS_SOURCE="$work/mdbtools-1.0.1" >/dev/null
cmake --build build -j "${LUMVIK_JOBS:-$(nproc)}"
cmake --install build >/dev/null
touch "$stamp"
cd /
rm -rf "$work"
