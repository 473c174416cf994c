#!/usr/bin/env bash
# Installs whatever Debian packages the build lacks, then configures and
# builds into build/ (or the folder given as $1, with further CMake options).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh g++ cmake ninja-build qt6-base-dev qt6-charts-dev qt6-translations-l10n \
    qt6-svg-dev qt6-qpa-plugins fonts-liberation libcups2-dev \
    libcsv-dev

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
