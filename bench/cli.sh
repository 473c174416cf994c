#!/usr/bin/env bash
# rotavex-calc --csv over many data files against a floor program that only
# opens and reads the same files: makes N copies of the examples in a
# temporary folder, runs both RUNS times, interleaved, and prints the medians
# of CPU time (user + system) and peak resident memory, and the calculator's
# ratios to the floor. Builds nothing: build the two programs first, e.g.
#   cmake --build build --target rotavex-calc rotavex_cli_floor
# (the floor is built with -DROTAVEX_BENCHMARKS=ON). Each run is measured by
# GNU time (Debian package "time"), see bench/interleaved.py.
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
BENCH_DIR=$(cd "$(dirname "$0")" && pwd) LC_ALL=C python3 - "$(realpath "$floor")" "$(realpath "$calc")" "$runs" "$copies" "$examples" "$folder" <<'PY'
import os, shutil, sys
sys.path.insert(0, os.environ["BENCH_DIR"])
import interleaved

floor, calc, runs, copies, examples, folder = sys.argv[1:3] + [int(a) for a in sys.argv[3:5]] + sys.argv[5:]
sources = sorted(os.path.join(examples, name) for name in os.listdir(examples))
files = [f"f{i}" for i in range(copies)]
for i, name in enumerate(files):
    shutil.copyfile(sources[i % len(sources)], os.path.join(folder, name))
interleaved.compare((floor, [floor] + files), (calc, [calc, "--csv"] + files), runs, "calculadora / suelo",
                    f"{copies} ficheros, {runs} ejecuciones", cwd=folder)
PY
