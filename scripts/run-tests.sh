#!/usr/bin/env bash
# The whole test suite; called by "./lumvik.sh test" after the packages are in place.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${LUMVIK_JOBS:-$(nproc)}

configure_and_build() { # build-dir target [cmake options...]
    local dir=$1 target=$2
    shift 2
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" --target "$target"
}

echo "== Source format (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== The npm package mdb-reader, an independent reader of Language.mdb"
npm ci --prefix tests/language/mdb-reader-check --no-audit --no-fund --loglevel=error

echo "== Short fuzz runs (libFuzzer)"
# Only the fuzzers and the Language.mdb they are seeded with: the tests are built below.
CC=clang CXX=clang++ configure_and_build build-fuzz fuzzers -DCMAKE_BUILD_TYPE=Debug -DLUMVIK_FUZZ=ON
fuzz/import/run-short.sh build-fuzz 30
fuzz/language/run-short.sh build-fuzz 30
fuzz/ini/run-short.sh build-fuzz 30

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build build-sanitize all -DCMAKE_BUILD_TYPE=Debug -DLUMVIK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE user

echo "== Build and tests, the user-level ones on Xvfb included"
configure_and_build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"
