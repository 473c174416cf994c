#!/usr/bin/env bash
# Makes the README's pictures of ROTAVEX 2018 as a user sees it: the program
# runs on a private X server with a window manager, is driven with its own
# keyboard shortcuts, and each screen is taken whole.
#   docs/screenshots/main-window.png   the worked example loaded
#   docs/screenshots/check-window.png  its data check
#   docs/screenshots/results.png       its results and chart
#   docs/screenshots/observatory.png   the observatory's average costs
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh xvfb openbox xdotool imagemagick
build=${1:-build}
scripts/setup.sh "$build"

out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)

# A Spanish desktop, as the program's users have; the date in the status bar
# is whatever today is.
export LANG=es_ES.UTF-8 QT_QPA_PLATFORM=xcb
"$build/src/rotavex" examples/worked-example >/dev/null 2>&1 &
pids+=($!)

press() {
    xdotool key --clearmodifiers "$@"
    sleep 1.5
}
shoot() {
    import -window root "$out/$1.png"
    echo "$out/$1.png"
}

sleep 4
press space # past the splash; the example is loaded when the main window shows
shoot main-window
press ctrl+p # the data check
shoot check-window
press ctrl+c # Calcular
shoot results
press alt+c v # Cálculo > Ver Datos del Observatorio
shoot observatory
