#!/usr/bin/env bash
# Builds the reply-time benchmark (optimised, without the window or the tests) and runs it;
# any arguments go to the benchmark (--positions N, --seed S, --repeat R, --no-check, --line,
# --write-answers FILE, --expect FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DWUZIQI_BUILD_GUI=OFF \
      -DBUILD_TESTING=OFF -DWUZIQI_BUILD_BENCH=ON
cmake --build build-bench --parallel "$(nproc)" --target reply_bench step_bench beginner_match
exec build-bench/bin/reply_bench "$@"
