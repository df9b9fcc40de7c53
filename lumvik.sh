#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumvik (installs missing packages as root), builds it, then
#   ./lumvik.sh start   starts Lumvik from build/bin (on a virtual display when there is none)
#   ./lumvik.sh test    runs the whole test suite: normal build, sanitizer build, short fuzz runs
#   ./lumvik.sh bench   prints every performance figure of the project
#   ./lumvik.sh windows builds the Windows program, its tests (run under Wine) and its installer
set -euo pipefail
cd "$(dirname "$0")"
command=${1:-start}
# Parallel build jobs for every script it calls; LUMVIK_JOBS=1 keeps a shared machine free.
jobs=${LUMVIK_JOBS:-$(nproc)}

packages=(cmake make g++ pkg-config qt6-base-dev mdbtools-dev mdbtools libgtest-dev libbenchmark-dev
          python3 locales libqt6svg6 qt6-translations-l10n xvfb xauth xdotool xclip x11-utils x11-xkb-utils imagemagick clang-format fonts-liberation clang libclang-rt-14-dev
          dbus-daemon at-spi2-core libglib2.0-bin)
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
if [ "$command" = windows ]; then
    # Qt's and libmdb's sources (dpkg-dev unpacks Qt's), the cross compiler, Wine for the tests,
    # NSIS and zip for the installer and the portable folder.
    packages+=(dpkg-dev g++-mingw-w64-x86-64-posix ninja-build wine wine64 nsis zip)
fi

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() { # build-dir [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

install_missing_packages
case "$command" in
start)
    build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: Lumvik runs on a virtual X display (xvfb-run)."
        exec xvfb-run -a build/bin/Lumvik
    fi
    exec build/bin/Lumvik
    ;;
test)
    scripts/run-tests.sh
    ;;
bench)
    scripts/run-benchmarks.sh
    ;;
windows)
    scripts/windows/build.sh
    ;;
*)
    echo "usage: $0 [start|test|bench|windows]" >&2
    exit 2
    ;;
esac
