#!/usr/bin/env bash
# Builds ROTAVEX 2018 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -x build/src/rotavex ]; then
    exec build/src/rotavex "$@"
fi
# Without the windows, price the bundled worked example on the command line.
exec build/src/cli/rotavex-calc examples/worked-example "$@"
