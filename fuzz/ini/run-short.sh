#!/usr/bin/env bash
# Runs the INI document fuzzer for a while. Usage: fuzz/ini/run-short.sh BUILD_FUZZ_DIR [SECONDS=60]
# BUILD_FUZZ_DIR is configured with -DLUMVIK_FUZZ=ON and built (target ini_fuzzer). The corpus
# starts from fuzz/ini/seeds and grows in BUILD_FUZZ_DIR/fuzz-ini-corpus; a crash, hang, sanitizer
# report or broken promise lands in BUILD_FUZZ_DIR/fuzz-ini-findings and makes the script fail.
set -euo pipefail
build=$(cd "${1:?usage: run-short.sh BUILD_FUZZ_DIR [SECONDS]}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$build/fuzz-ini-corpus" "$build/fuzz-ini-findings"
cp -f "$here"/seeds/* "$build/fuzz-ini-corpus/"
"$build/fuzz/ini/ini_fuzzer" -dict="$here/ini.dict" -max_len=8192 -max_total_time="${2:-60}" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/fuzz-ini-findings/" -print_final_stats=1 "$build/fuzz-ini-corpus"
