#!/usr/bin/env bash
# Builds ROTAVEX 2018 and runs every test; then builds the whole program and
# its tests again with clang, AddressSanitizer, UndefinedBehaviorSanitizer
# and leak detection, runs every test there (windows offscreen), and fuzzes
# the core for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

# What only the tests need, beyond what building and running need:
# - clang with its sanitizer and fuzzer runtimes, clang-format, ccache to
#   share compiled objects between runs, and Google Benchmark;
# - an X server with a window manager and a key presser, for the tests that
#   only a real X server can show;
# - a print system with a PDF queue, and pdftotext to read printed pages back;
# - the desktop's validators and file-type database, and the Debian package
#   tools, for the installation tests;
# - groff, to render the manual pages with every warning on.
scripts/install-packages.sh clang libclang-rt-dev clang-format ccache libbenchmark-dev \
    xvfb openbox xdotool x11-utils \
    cups printer-driver-cups-pdf poppler-utils \
    desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl dpkg-dev file \
    groff-base

# The code keeps its layout.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Warnings fail a build in CI.
werror=OFF
[ -n "${CI:-}" ] && werror=ON

scripts/setup.sh build -DBUILD_TESTING=ON -DROTAVEX_BENCHMARKS=ON -DROTAVEX_WERROR=$werror
ctest --test-dir build --output-on-failure -j2

CC=clang CXX=clang++ scripts/setup.sh build-asan -DBUILD_TESTING=ON -DROTAVEX_SANITIZE=ON -DROTAVEX_FUZZ=ON \
    -DROTAVEX_WERROR=$werror -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
ctest --test-dir build-asan --output-on-failure -j2

scripts/fuzz.sh build-asan 8
