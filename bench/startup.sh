#!/usr/bin/env bash
# Start-up cost of the program against a bare Qt skeleton with the same kind
# of windows: runs each N times and prints the medians of CPU time
# (user + system) and peak resident memory, and the program's ratios to the
# skeleton. Offscreen by default; with --xcb on an X server of its own with a
# window manager (Xvfb and openbox, as the window tests use), where the
# windows really are mapped, decorated and activated. Builds nothing: build
# the two start-up programs first, e.g.
#   cmake --build build --target rotavex_startup_skeleton rotavex_startup_program
# Usage: bench/startup.sh [--xcb] [build-dir] [runs]
set -euo pipefail
platform=offscreen
if [ "${1:-}" = --xcb ]; then
    platform=xcb
    shift
fi
build=${1:-build}
runs=${2:-20}
skeleton=$build/bench/rotavex_startup_skeleton
program=$build/bench/rotavex_startup_program
for exe in "$skeleton" "$program"; do
    [ -x "$exe" ] || { echo "falta $exe: compílelo antes" >&2; exit 1; }
done

measure='
import os, statistics, subprocess, sys

skeleton, program, runs, platform = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]

def measure(exe):
    # wait4 gives each run its own usage; ru_maxrss is in KiB on Linux
    child = subprocess.Popen([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{exe} terminó con {child.returncode}")
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss

results = {skeleton: [], program: []}
for _ in range(runs):   # interleaved, so that both see the same load
    for exe in results:
        results[exe].append(measure(exe))

medians = {}
for exe, samples in results.items():
    cpu = statistics.median(s[0] for s in samples) * 1000
    rss = statistics.median(s[1] for s in samples) / 1024
    medians[exe] = (cpu, rss)
    print(f"{os.path.basename(exe):28} CPU {cpu:7.1f} ms   memoria máxima {rss:6.1f} MiB")
(scpu, srss), (pcpu, prss) = medians[skeleton], medians[program]
print(f"programa / esqueleto: CPU {pcpu / scpu:.2f}x   memoria {prss / srss:.2f}x   ({runs} ejecuciones, {platform})")
'
if [ "$platform" = xcb ]; then
    x_server=$(dirname "$0")/../tests/ui_support/on_x_server.sh
    exec "$x_server" python3 -c "$measure" "$skeleton" "$program" "$runs" xcb
fi
QT_QPA_PLATFORM=offscreen exec python3 -c "$measure" "$skeleton" "$program" "$runs" offscreen
