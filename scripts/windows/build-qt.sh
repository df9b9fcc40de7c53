#!/usr/bin/env bash
# Builds Qt Base 6.4.2 for 64-bit Windows from Debian's source package, once, into
#   $LUMVIK_WINDOWS_CACHE/qt-6.4.2-mingw64   (default cache: /var/cache/lumvik-windows)
# and does nothing when that prefix is already complete. Needs the packages that
# lumvik.sh windows installs. About 20 minutes on two cores.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${LUMVIK_WINDOWS_CACHE:-/var/cache/lumvik-windows}
prefix=$cache/qt-6.4.2-mingw64
stamp=$prefix/.complete

# Qt's toolchain file chain-loads the one Qt was configured with. A copy inside the prefix keeps
# the cache usable from any clone, wherever this script ran first.
own_toolchain() {
    cp "$here/mingw64-toolchain.cmake" "$prefix/mingw64-toolchain.cmake"
    sed -i -E "s|^([[:space:]]*set\(__qt_initially_configured_toolchain_file) \"[^\"]*\"|\1 \"$prefix/mingw64-toolchain.cmake\"|" \
        "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
}
if [ -f "$stamp" ]; then
    own_toolchain
    exit 0
fi

work=$cache/qt-build
mkdir -p "$work"
cd "$work"

# apt learns of the source package from a private, throw-away configuration.
if [ ! -d qtbase-src ]; then
    apt_dir=$work/apt
    source "$here/private-apt.sh"
    private_apt "$apt_dir" bookworm
    rm -rf source && mkdir source
    # The same Debian version as the host Qt, whose moc and rcc the cross build uses.
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    (cd source && apt-get "${apt_options[@]}" source -qq "qt6-base=$version")
    mv source/qt6-base-*/ qtbase-src
    rm -rf source "$apt_dir"
fi

host_cmake_dir=$(dirname "$(dirname "$(readlink -f /usr/lib/x86_64-linux-gnu/cmake/Qt6/Qt6Config.cmake)")")
features_off=(sql network dbus opengl printsupport concurrent xml tabletevent dynamicgl
              jpeg gif vulkan)
cmake_features=()
for feature in "${features_off[@]}"; do cmake_features+=("-DFEATURE_$feature=OFF"); done

cmake -S qtbase-src -B qtbase-build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw64-toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    "${cmake_features[@]}" >configure.log
cmake --build qtbase-build -j "${LUMVIK_JOBS:-$(nproc)}"
cmake --install qtbase-build >/dev/null
own_toolchain
touch "$stamp"
rm -rf "$work"
