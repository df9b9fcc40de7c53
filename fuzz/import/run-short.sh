#!/bin/sh
# Runs the import fuzzer for a fixed time, as CI does. Usage: run-short.sh <build-fuzz-dir> [seconds]
# Seeds come from fuzz/import/seeds plus one generated line past the 16-bit position range; new
# inputs go to a scratch corpus. Exits non-zero on any crash, sanitizer finding or broken promise.
set -eu
build_dir=${1:?usage: run-short.sh <build-fuzz-dir> [seconds]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT

cp "$here"/seeds/* "$corpus"/
{ printf '\001H\r\nGiven Surname,\r\nSex F 12/24/1960 '; head -c 32800 /dev/zero | tr '\0' x; printf '#1\r\n'; } \
    > "$corpus/leftover-long-line"

"$build_dir/fuzz/import/import_fuzzer" "$corpus" -dict="$here/import.dict" -max_len=40000 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
