#!/usr/bin/env bash
# Installs the build into an empty folder and starts the installed program: it must come up,
# find its Language.mdb beside it (no error logged) and make its Temp folder there.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in Lumvik Language.mdb translations/qtbase_de.qm share/applications/lumvik.desktop share/icons/hicolor/scalable/apps/lumvik.svg; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
grep -qx "Exec=$prefix/Lumvik" "$prefix/share/applications/lumvik.desktop" || { echo "desktop entry names the wrong program"; exit 1; }

QT_QPA_PLATFORM=offscreen "$prefix/Lumvik" &
pid=$!
for _ in $(seq 100); do
    [ -d "$prefix/Temp" ] && break
    sleep 0.1
done
sleep 0.5
kill -0 "$pid" || { echo "the installed program did not stay up"; exit 1; }
[ -d "$prefix/Temp" ] || { echo "no Temp folder beside the installed program"; exit 1; }
[ ! -e "$prefix/Logs/ErrorLog.log" ] || { echo "errors at start-up:"; cat "$prefix/Logs/ErrorLog.log"; exit 1; }
echo "installed program started from $prefix"
