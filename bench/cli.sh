#!/usr/bin/env bash
# rotavex-calc --csv over many data files against a floor program that only
# opens and reads the same files: makes N copies of the examples in a
# temporary folder, runs both RUNS times, interleaved, and prints the medians
# of CPU time (user + system) and peak resident memory, and the calculator's
# ratios to the floor. Builds nothing: build the two programs first, e.g.
#   cmake --build build --target rotavex-calc rotavex_cli_floor
# (the floor is built with -DROTAVEX_BENCHMARKS=ON). Each run is measured by
# GNU time (Debian package "time"), whose own small process starts it, so that
# the peak memory is the program's and not that of the script behind it.
# Usage: bench/cli.sh [build-dir] [copies] [runs]
set -euo pipefail
build=${1:-build}
copies=${2:-20000}
runs=${3:-11}
calc=$build/src/cli/rotavex-calc
floor=$build/bench/rotavex_cli_floor
for exe in "$calc" "$floor" /usr/bin/time; do
    [ -x "$exe" ] || { echo "falta $exe: compílelo o instálelo antes" >&2; exit 1; }
done
examples=$(cd "$(dirname "$0")/../examples" && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
LC_ALL=C python3 - "$(realpath "$floor")" "$(realpath "$calc")" "$runs" "$copies" "$examples" "$folder" <<'PY'
import os, shutil, statistics, subprocess, sys

floor, calc, runs, copies, examples, folder = sys.argv[1:3] + [int(a) for a in sys.argv[3:5]] + sys.argv[5:]
sources = sorted(os.path.join(examples, name) for name in os.listdir(examples))
files = [f"f{i}" for i in range(copies)]
for i, name in enumerate(files):
    shutil.copyfile(sources[i % len(sources)], os.path.join(folder, name))
commands = {floor: [floor] + files, calc: [calc, "--csv"] + files}
report = os.path.join(folder, "time")

def measure(command):
    run = subprocess.run(["/usr/bin/time", "-q", "-o", report, "-f", "%U %S %M"] + command, cwd=folder,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if run.returncode != 0:
        sys.exit(f"{command[0]} terminó con {run.returncode}")
    user, system, peak = open(report).read().split()
    return float(user) + float(system), int(peak)   # seconds, KiB

results = {exe: [] for exe in commands}
for _ in range(runs):   # interleaved, so that both see the same load
    for exe, command in commands.items():
        results[exe].append(measure(command))

medians = {}
for exe, samples in results.items():
    cpu = statistics.median(s[0] for s in samples) * 1000
    rss = statistics.median(s[1] for s in samples) / 1024
    medians[exe] = (cpu, rss)
    print(f"{os.path.basename(exe):20} CPU {cpu:8.1f} ms   memoria máxima {rss:6.1f} MiB")
(fcpu, frss), (ccpu, crss) = medians[floor], medians[calc]
print(f"calculadora / suelo: CPU {ccpu / fcpu:.2f}x   memoria {crss / frss:.2f}x"
      f"   ({copies} ficheros, {runs} ejecuciones)")
PY
