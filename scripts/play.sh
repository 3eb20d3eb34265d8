#!/usr/bin/env bash
# Builds the game and the engine, optimised and without the tests, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DWUZIQI_BUILD_BENCH=OFF
cmake --build build --parallel "$(nproc)" --target wuziqi pbrain-wuziqi
exec build/bin/wuziqi "$@"
