#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as
# errors (the benchmarks are built too, so that they keep compiling), and runs the whole test
# suite (widget tests run headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh tests
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DWUZIQI_SANITIZE=ON -DWUZIQI_WERROR=ON \
      -DBUILD_TESTING=ON -DWUZIQI_BUILD_BENCH=ON
cmake --build build-tests --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-tests --output-on-failure --parallel "$(nproc)"
