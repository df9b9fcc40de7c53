#!/usr/bin/env python3
"""Start-up of Lumvik against a bare Qt window with as many widgets, on the current X display.

Each probe prints the wall-clock time of its first paint and its peak memory, then quits; the runs
of the two alternate so that both see the same machine load. Prints both medians and the ratios.
Usage: startup_figures.py LUMVIK_PROBE BARE_PROBE [RUNS] [LAUNCHER...]; a launcher (Wine for the
Windows probes) is put before each probe's path.
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(probe, launcher=()):
    started = time.time()
    out = subprocess.run([*launcher, probe], capture_output=True, text=True, timeout=60, check=True).stdout.split()
    painted_us, peak_kb = int(out[0]), int(out[1])
    return (painted_us / 1e6 - started) * 1000.0, peak_kb


def main():
    lumvik, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 20
    launcher = sys.argv[4:]
    load_before = os.getloadavg()[0]
    run_once(lumvik, launcher), run_once(bare, launcher)  # warm the file cache
    results = {lumvik: [], bare: []}
    for _ in range(runs):
        for probe in (lumvik, bare):
            results[probe].append(run_once(probe, launcher))
    # Wall-clock figures follow the machine's load (peak memory does not); say what it was.
    print(f"machine load (1-minute average): {load_before:.2f} before, {os.getloadavg()[0]:.2f} after, "
          f"{os.cpu_count()} processors")
    ms = {p: statistics.median(r[0] for r in results[p]) for p in results}
    kb = {p: statistics.median(r[1] for r in results[p]) for p in results}
    print(f"start-up to first paint, median of {runs} runs: Lumvik {ms[lumvik]:.1f} ms, bare Qt window {ms[bare]:.1f} ms, "
          f"ratio {ms[lumvik] / ms[bare]:.2f} (goal <= 1.05)")
    print(f"peak memory, median: Lumvik {kb[lumvik] / 1024:.1f} MiB, bare Qt window {kb[bare] / 1024:.1f} MiB, "
          f"ratio {kb[lumvik] / kb[bare]:.2f} (goal <= 1.05)")


if __name__ == "__main__":
    main()
