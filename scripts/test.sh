#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build
# and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j2)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DCFQ_SANITIZE=ON -DCFQ_BUILD_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j2)
