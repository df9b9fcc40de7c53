#!/bin/sh
# Runs the INI document fuzzer for a fixed time, as CI does. Usage: run-short.sh <build-fuzz-dir> [seconds]
# Seeds come from fuzz/ini/seeds; new inputs go to a scratch corpus. Exits non-zero on any crash,
# hang, sanitizer finding or broken promise.
set -eu
build_dir=${1:?usage: run-short.sh <build-fuzz-dir> [seconds]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT

cp "$here"/seeds/* "$corpus"/
"$build_dir/fuzz/ini/ini_fuzzer" "$corpus" -dict="$here/ini.dict" -max_len=8192 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
