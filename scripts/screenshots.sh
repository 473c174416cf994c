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
#   docs/screenshots/revision-window.png   the example's price revised
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
# Text typed as the user types it, accents included.
typing() {
    LC_ALL=C.UTF-8 xdotool type --delay 40 "$1"
    sleep 0.5
}
# The table's current cell: F2, the text, Enter.
cell() {
    press F2
    typing "$1"
    press Return
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
xdotool type --delay 20 "$PWD/examples/lots/school-lot.csv"
press Return
press alt+c # its Calcular lote
shoot lot-window
press Escape # closes it
press alt+c e # Cálculo > Revisión de precios…, on the calculation's structure
typing "Contrato 12/2024, revisión 2026"
press Tab Tab # past the choice of weights, to Precio
for figure in 279,03 6 2,5 0; do
    typing $figure
    press Tab
done
# into the table: each item's initial and final index
press Right
cell 100; press Right; cell 103,4; press Down Left
cell 131,2; press Right; cell 118,7; press Down Left
cell 100; press Right; cell 104; press Down Left
cell 100; press Right; cell 102
shoot revision-window
