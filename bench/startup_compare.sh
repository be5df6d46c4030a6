#!/usr/bin/env bash
# Start-up, process start to the login window exposed, next to its floor (a minimal Qt program
# with 25 windows of 40 controls): the median of RUNS runs of each, offscreen, the two programs
# taking turns so that a busy moment of the machine falls on both. Each probe reports when its
# window is exposed; the time to the probe's exit (closing included) is shown beside it.
#   bench/startup_compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-40}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
python3 - "$build/bench/startup_probe" "$build/bench/startup_floor_probe" "$runs" <<'PY'
import subprocess, sys, time
program, floor, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def run(path):
    start = time.monotonic_ns()  # the clock the probes report with
    done = subprocess.run([path], capture_output=True, text=True, check=True)
    ended = time.monotonic_ns()
    return (int(done.stdout.split()[0]) - start) / 1e6, (ended - start) / 1e6

for path in (program, floor):
    run(path)  # warm the caches
measured = {program: [], floor: []}
for _ in range(runs):
    for path in (program, floor):
        measured[path].append(run(path))

def median(values):
    values = sorted(values)
    return values[len(values) // 2]

window = {path: median([w for w, _ in times]) for path, times in measured.items()}
exit_ = {path: median([e for _, e in times]) for path, times in measured.items()}
print(f"start-up to login window: {window[program]:.1f} ms; floor (25 windows x 40 controls): "
      f"{window[floor]:.1f} ms; ratio {window[program] / window[floor]:.2f}")
print(f"to the probe's exit, closing included: {exit_[program]:.1f} ms; floor {exit_[floor]:.1f} ms; "
      f"ratio {exit_[program] / exit_[floor]:.2f}")
PY
