#!/usr/bin/env bash
# The Windows figures, after "./lumvik.sh windows" has built everything: start-up of Lumvik.exe
# against a bare Qt window cross-built the same way, both under the same Wine on Xvfb (100
# alternating runs, medians), and the sizes of the installer and the portable zip.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-windows
cmake -S . -B "$build" -DLUMVIK_BENCH=ON >/dev/null
cmake --build "$build" -j "${LUMVIK_JOBS:-$(nproc)}" --target startup_probe_lumvik startup_probe_bare >/dev/null

# Each probe in a program folder of its own, as installed: Qt's libraries, plugins and Language.mdb.
probes=$(mktemp -d)
trap 'rm -rf "$probes"' EXIT
for probe in startup_probe_lumvik startup_probe_bare; do
    cp -r "$build/package/Lumvik" "$probes/$probe"
    rm -f "$probes/$probe/Lumvik.exe" "$probes/$probe/Uninstall.exe"
    cp "$build/bin/$probe.exe" "$probes/$probe/"
done
printf '[Lumvik]\r\nTxtImport=1\r\nLanguage=Deutsch\r\n' >"$probes/startup_probe_lumvik/Settings.ini"

state=$build/wine-figures
tests/windows/wine-prefix.sh "$state"
echo "== Start-up under Wine (Xvfb)"
xvfb-run -a -s "-screen 0 1280x1024x24" python3 scripts/startup_figures.py \
    "$probes/startup_probe_lumvik/startup_probe_lumvik.exe" "$probes/startup_probe_bare/startup_probe_bare.exe" 100 \
    tests/windows/wine-run.sh "$state"
echo "== Sizes"
ls -l "$build"/package/*.exe "$build"/package/*.zip | awk '{printf "%s: %.1f MB\n", $NF, $5 / 1e6}'
du -sh "$build/package/Lumvik" | awk '{print "installed program folder: " $1}'
