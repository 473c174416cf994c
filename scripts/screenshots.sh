#!/usr/bin/env bash
# Makes the README's pictures of ROTAVEX 2018 as a user sees it: the program
# runs on a private X server with a window manager, is driven with its own
# keyboard shortcuts, and each screen is taken as the user sees it.
#   docs/screenshots/main-window.png   the worked example loaded
#   docs/screenshots/check-window.png  its data check
#   docs/screenshots/results.png       its results and chart
#   docs/screenshots/observatory.png   the observatory's average costs
#   docs/screenshots/comparison.png    the results beside the observatory's
#   docs/screenshots/reference-values.png  the reference values in use
#   docs/screenshots/lot-window.png    the example lot of school routes, priced
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

# First the build, then this script again on an X server of its own with a
# window manager, the one the window tests use.
if [ -z "${ROTAVEX_SCREENSHOTS_ON_X:-}" ]; then
    scripts/install-packages.sh xvfb openbox x11-utils xdotool imagemagick
    scripts/setup.sh "$build"
    ROTAVEX_SCREENSHOTS_ON_X=1 exec tests/ui_support/on_x_server.sh "$0" "$build"
fi

out=docs/screenshots
mkdir -p "$out"
# A Spanish desktop, as the program's users have; the date in the status bar
# is whatever today is.
export LANG=es_ES.UTF-8
# Settings of its own, so that the pictures show the built-in reference
# values whatever set this machine's user has chosen.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
"$build/src/rotavex" examples/worked-example >/dev/null 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

press() {
    xdotool key "$@"
    sleep 1.5
}
# The whole screen, less the empty desktop around the program.
shoot() {
    import -window root miff:- | convert - -trim +repage "$out/$1.png"
    echo "$out/$1.png"
}

sleep 4
press space # past the splash; the example is loaded when the main window shows
shoot main-window
press ctrl+p # the data check
shoot check-window
press Tab Tab Tab space # the check window's Calcular
shoot results
press alt+c v # Cálculo > Ver Datos del Observatorio
shoot observatory
press Tab space # its Aceptar
press alt+c o # Cálculo > Comparar con el Observatorio
shoot comparison
press Escape # closes it
press alt+c r # Cálculo > Valores de referencia…
shoot reference-values
press Escape # closes it
press alt+c l # Cálculo > Lote de servicios…
press alt+r # its Abrir…
xdotool type --delay 20 "$PWD/examples/school-lot.csv"
press Return
press alt+c # its Calcular lote
shoot lot-window
