#!/usr/bin/env bash
# Runs the Language.mdb reader fuzzer for a while, seeded with the shipped Language.mdb and the
# Access fixtures. Usage: fuzz/language/run-short.sh BUILD_FUZZ_DIR [SECONDS=60] [JOBS=1]
# BUILD_FUZZ_DIR is configured with: CC=clang CXX=clang++ cmake -S . -B build-fuzz -DLUMVIK_FUZZ=ON
# and built (cmake --build build-fuzz --target fuzz_language_reader). The corpus grows in
# BUILD_FUZZ_DIR/fuzz-language-corpus and is reused by later runs; crashes land in
# BUILD_FUZZ_DIR/fuzz-language-findings. Exits non-zero on a finding.
set -euo pipefail
build=$(cd "${1:?usage: run-short.sh BUILD_FUZZ_DIR [SECONDS] [JOBS]}" && pwd)
seconds=${2:-60}
jobs=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
fuzzer="$build/fuzz/language/fuzz_language_reader"
[[ -x $fuzzer ]] || { echo "run-short.sh: $fuzzer not built" >&2; exit 2; }

corpus="$build/fuzz-language-corpus"
findings="$build/fuzz-language-findings"
mkdir -p "$corpus" "$findings"
cp -f "$build/bin/Language.mdb" "$corpus/seed-shipped.mdb"
fixtures=("$source_dir"/tests/fixtures/access/*.mdb)
[[ -f ${fixtures[0]} ]] || { echo "run-short.sh: no Access fixtures in tests/fixtures/access" >&2; exit 2; }
for fixture in "${fixtures[@]}"; do
    cp -f "$fixture" "$corpus/seed-$(basename "$fixture")"
done

# libmdb prints diagnostics for broken files on stderr; the fuzzer's own report stays in the log.
args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=262144
      -artifact_prefix="$findings/" -print_final_stats=1)
if (( jobs > 1 )); then
    args+=(-jobs="$jobs" -workers="$jobs")
fi
cd "$build"
"$fuzzer" "${args[@]}" "$corpus"
