#!/usr/bin/env bash
# Builds everything with tests, runs every test through ctest, then runs the unit tests
# again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

export QTWEBENGINE_DISABLE_SANDBOX=1
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWTAPE_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOWTAPE_TESTS=ON \
    -DGLOWTAPE_UNIT_ONLY=ON -DGLOWTAPE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
# Qt and fontconfig keep caches alive until exit; leak reports from them are noise.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
