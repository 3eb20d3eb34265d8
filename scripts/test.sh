#!/usr/bin/env bash
# Builds and runs the whole test suite twice over, with AddressSanitizer and
# UndefinedBehaviorSanitizer and warnings as errors, and checks the Windows engines and the
# Debian package:
#   build-tests  everything with GCC: the window, the engine, all tests, and the benchmarks, so
#                that they keep compiling (widget tests run headless);
#   build-windows  the two engines for Windows (scripts/windows-engines.sh), each played under
#                Wine against the Linux build on the same session, and the Windows branch of
#                the window's file reading checked under Wine;
#   build-package  the game and the engines optimised, made into the Debian package, which is
#                checked without being installed (scripts/package.sh);
#   build-clang  the model, the engine and their tests with clang, whose UBSan also catches
#                out-of-range array reads that GCC's lets through.
# Any sanitizer report ends the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh tests

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitized=(-DCMAKE_BUILD_TYPE=Debug -DWUZIQI_SANITIZE=ON -DWUZIQI_WERROR=ON -DBUILD_TESTING=ON)

cmake -S . -B build-tests "${sanitized[@]}" -DWUZIQI_BUILD_BENCH=ON
cmake --build build-tests --parallel "$jobs"
ctest --test-dir build-tests --output-on-failure --parallel "$jobs"

bash scripts/windows-engines.sh
bash tests/windows/compare-under-wine.sh build-tests/bin build-windows/zip \
    build-windows/bin/platform_read_file_check.exe
bash scripts/package.sh

cmake -S . -B build-clang "${sanitized[@]}" -DCMAKE_CXX_COMPILER=clang++ -DWUZIQI_BUILD_GUI=OFF
cmake --build build-clang --parallel "$jobs"
ctest --test-dir build-clang --output-on-failure --parallel "$jobs"
