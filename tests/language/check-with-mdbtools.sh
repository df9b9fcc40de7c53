#!/usr/bin/env bash
# Checks a generated Language.mdb with Debian's mdbtools, which read it independently of the
# project's code: the version, the table list, the schema and every row and value, compared
# with the text table it was made from. Usage: check-with-mdbtools.sh LANGUAGE.mdb TEXTS.tsv
# Needs the Debian package mdbtools. Exit 0 = all equal.
set -euo pipefail
mdb=${1:?usage: check-with-mdbtools.sh LANGUAGE.mdb TEXTS.tsv}
tsv=${2:?usage: check-with-mdbtools.sh LANGUAGE.mdb TEXTS.tsv}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() { # name expected-file actual-file
    if diff -u "$2" "$3" > "$work/diff"; then
        echo "ok: $1"
    else
        echo "FAIL: $1"; cat "$work/diff"; failed=1
    fi
}

# The text table without comments; its first line is the header.
grep -v -e '^#' -e '^$' "$tsv" > "$work/texts"
header=$(head -n 1 "$work/texts")
IFS=$'\t' read -r -a columns <<< "$header"

printf 'JET4\n' > "$work/expected-version"
mdb-ver "$mdb" > "$work/version"
check "mdb-ver reports Jet 4" "$work/expected-version" "$work/version"

printf 'tblComponents\n' > "$work/expected-tables"
mdb-tables -1 "$mdb" > "$work/tables"
check "mdb-tables lists tblComponents only" "$work/expected-tables" "$work/tables"

mdb-tables -1 -S "$mdb" | sort > "$work/all-tables"
printf '%s\n' MSysACEs MSysObjects MSysQueries MSysRelationships tblComponents > "$work/expected-all-tables"
check "mdb-tables -S lists the system tables" "$work/expected-all-tables" "$work/all-tables"

{
    printf 'CREATE TABLE [tblComponents]\n (\n'
    for i in "${!columns[@]}"; do
        separator=$([[ $i -lt $((${#columns[@]} - 1)) ]] && echo ', ' || echo '')
        printf '\t[%s]\t\t\tText (255)%s\n' "${columns[$i]}" "$separator"
    done
    printf ');\n'
} > "$work/expected-schema"
mdb-schema -T tblComponents "$mdb" | grep -v -e '^--' -e '^$' > "$work/schema"
check "mdb-schema shows the columns as Text (255)" "$work/expected-schema" "$work/schema"

# -e escapes CR, LF, tab and backslash the way the text table does; -Q leaves texts unquoted.
mdb-export -Q -e -d $'\t' "$mdb" tblComponents > "$work/rows"
check "mdb-export returns every row and value in order" "$work/texts" "$work/rows"

# Catalog: MSysDb carries the Access 2000 version property.
mdb-prop "$mdb" MSysDb > "$work/prop"
if grep -q 'AccessVersion: 08.50' "$work/prop"; then echo "ok: mdb-prop reads AccessVersion 08.50"; else
    echo "FAIL: mdb-prop"; cat "$work/prop"; failed=1; fi

if (( failed )); then echo "0 passed, 1 failed"; exit 1; fi
echo "6 passed, 0 failed"
