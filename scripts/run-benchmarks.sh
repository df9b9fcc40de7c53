#!/usr/bin/env bash
# Every performance figure of the project in one run; called by "./lumvik.sh bench".
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUMVIK_BENCH=ON >/dev/null
cmake --build build-bench -j "${LUMVIK_JOBS:-$(nproc)}" >/dev/null

echo "== GDT record and request file"
build-bench/bench/gdt_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== Language texts"
build-bench/bench/language/change_language_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

echo "== Settings file"
build-bench/bench/settings_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

echo "== Start-up (Xvfb)"
# 100 alternating runs: one start-up varies by several milliseconds with the machine's load. With 25
# runs the median ratio moves by several hundredths from one call to the next, with 100 by one or two.
probe_dir=build-bench/bench-bin/startup_probe_lumvik
cp build-bench/bin/Language.mdb "$probe_dir/"
printf '[Lumvik]\r\nTxtImport=1\r\nLanguage=Deutsch\r\n' > "$probe_dir/Settings.ini"
xvfb-run -a -s "-screen 0 1280x1024x24" python3 scripts/startup_figures.py \
    "$probe_dir/startup_probe_lumvik" build-bench/bench-bin/startup_probe_bare/startup_probe_bare 100

echo "== Paste into the import box (Xvfb, xclip owns the clipboard)"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-bench/bench/paste_probe 3
