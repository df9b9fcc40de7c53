#!/usr/bin/env bash
# Runs mdb-reader-check/check.mjs (npm package mdb-reader) on a generated Language.mdb.
# Usage: check-with-mdb-reader.sh LANGUAGE.mdb TEXTS.tsv
# Install once with: npm ci --prefix tests/language/mdb-reader-check
# Exits 77 (CTest: skipped) when node or the package is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node > /dev/null || [[ ! -d $here/mdb-reader-check/node_modules/mdb-reader ]]; then
    echo "skipped: run 'npm ci --prefix tests/language/mdb-reader-check' first"
    exit 77
fi
exec node "$here/mdb-reader-check/check.mjs" "$@"
