#!/usr/bin/env bash
# Called by "./lumvik.sh windows" once the packages are in place:
#   1. Qt and libmdb for Windows, built once into the cache (build-qt.sh, build-libmdb.sh) and
#      reused afterwards;
#   2. the generators (Language.mdb writer, icon renderer) built for this machine in build/;
#   3. Lumvik and its tests cross-built in build-windows/;
#   4. the tests run under Wine;
#   5. the program folder installed into build-windows/package/Lumvik/ (the licences of what it
#      ships in licenses/), packed as the installer build-windows/package/Lumvik-<version>-setup.exe
#      and the portable build-windows/package/Lumvik-<version>-windows-x64.zip;
#   6. the user road under Wine on Xvfb: install, a request typed with the keyboard and a batch-file
#      viewer, a second start, a missing target folder, an update and an uninstall refused while
#      Lumvik runs, an update, uninstall.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=${LUMVIK_JOBS:-$(nproc)}
cache=${LUMVIK_WINDOWS_CACHE:-/var/cache/lumvik-windows}
qt=$cache/qt-6.4.2-mingw64
libmdb=$cache/libmdb-1.0.1-mingw64
version=$(sed -n 's/^project(Lumvik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

echo "== Qt for Windows ($qt)"
scripts/windows/build-qt.sh
echo "== libmdb for Windows ($libmdb)"
scripts/windows/build-libmdb.sh

echo "== Generators for this machine (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs" --target lumvik-jet4-writer lumvik-icon-renderer

echo "== Lumvik and its tests for Windows (build-windows/)"
"$qt/bin/qt-cmake" -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLUMVIK_HOST_TOOLS="$PWD/build/tools" -DLUMVIK_LIBMDB_PREFIX="$libmdb" >/dev/null
cmake --build build-windows -j "$jobs"

echo "== Tests under Wine"
# One at a time: Wine programs started side by side in one prefix have been seen to hang. The
# windows of the tests need a display.
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ctest --test-dir build-windows --output-on-failure -j 1

echo "== Installer and portable zip (build-windows/package/)"
package=$PWD/build-windows/package
rm -rf "$package"
cmake --install build-windows --prefix "$package/Lumvik" >/dev/null
makensis -V2 -DVERSION="$version" -DPROGRAM_FOLDER="$package/Lumvik" -DICON="$PWD/build-windows/generated/lumvik.ico" \
    -DOUTFILE="$package/Lumvik-$version-setup.exe" scripts/windows/installer.nsi
(cd "$package" && zip -qr "Lumvik-$version-windows-x64.zip" Lumvik)
ls -l "$package"/*.exe "$package"/*.zip

echo "== The Windows road (Wine on Xvfb)"
rm -rf build-windows/wine-road
python3 tests/windows/test_windows_road.py --setup "$package/Lumvik-$version-setup.exe" --state build-windows/wine-road \
    --screenshots build-windows/screenshots
