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
skeleton=$(realpath "$build/bench/rotavex_startup_skeleton")
program=$(realpath "$build/bench/rotavex_startup_program")
export BENCH_DIR=$(cd "$(dirname "$0")" && pwd)
for exe in "$skeleton" "$program" /usr/bin/time; do
    [ -x "$exe" ] || { echo "falta $exe: compílelo o instálelo antes" >&2; exit 1; }
done

measure='
import os, sys
sys.path.insert(0, os.environ["BENCH_DIR"])
import interleaved
skeleton, program, runs, platform = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
interleaved.compare((skeleton, [skeleton]), (program, [program]), runs, "programa / esqueleto",
                    f"{runs} ejecuciones, {platform}")
'
if [ "$platform" = xcb ]; then
    x_server=$(dirname "$0")/../tests/ui_support/on_x_server.sh
    exec "$x_server" python3 -c "$measure" "$skeleton" "$program" "$runs" xcb
fi
QT_QPA_PLATFORM=offscreen exec python3 -c "$measure" "$skeleton" "$program" "$runs" offscreen
