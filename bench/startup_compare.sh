#!/usr/bin/env bash
# Start-up, process start to the login window exposed, next to its floor (a minimal Qt program
# with 25 windows of 40 controls): the median of RUNS runs of each, offscreen.
#   bench/startup_compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-40}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
median() {
    local program=$1
    python3 - "$program" "$runs" <<'PY'
import subprocess, sys, time
program, runs = sys.argv[1], int(sys.argv[2])
subprocess.run([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)  # warm the caches
times = []
for _ in range(runs):
    start = time.perf_counter()
    subprocess.run([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    times.append((time.perf_counter() - start) * 1000)
times.sort()
print(f"{times[len(times) // 2]:.1f}")
PY
}
program=$(median "$build/bench/startup_probe")
floor=$(median "$build/bench/startup_floor_probe")
echo "start-up to login window: ${program} ms; floor (25 windows x 40 controls): ${floor} ms;" \
     "ratio $(python3 -c "print(f'{$program / $floor:.2f}')")"
