#!/usr/bin/env bash
# Builds ROTAVEX 2018 and runs every test; then builds the whole program and
# its tests again with clang, AddressSanitizer, UndefinedBehaviorSanitizer
# and leak detection, runs every test there (windows offscreen), and fuzzes
# the core for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

# What only the tests need: clang and its sanitizer and fuzzer runtimes, and
# ccache to share compiled objects between runs.
scripts/install-packages.sh clang libclang-rt-dev ccache

scripts/setup.sh build
ctest --test-dir build --output-on-failure -j2

CC=clang CXX=clang++ scripts/setup.sh build-asan -DROTAVEX_SANITIZE=ON -DROTAVEX_FUZZ=ON \
    -DROTAVEX_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
ctest --test-dir build-asan --output-on-failure -j2

scripts/fuzz.sh build-asan 8
