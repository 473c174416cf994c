#!/usr/bin/env bash
# Builds ROTAVEX 2018 and runs every test; then builds the core and its tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh build
ctest --test-dir build --output-on-failure -j2

scripts/setup.sh build-sanitize -DROTAVEX_CORE_ONLY=ON -DROTAVEX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2
