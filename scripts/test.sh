#!/usr/bin/env bash
# Builds everything with tests, runs every test through ctest, then runs the unit tests and
# the sign's geometry sweep on an X server again under the address and undefined-behaviour
# sanitizers, and runs the parsers' fuzzers over their seed corpora.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

export QTWEBENGINE_DISABLE_SANDBOX=1
jobs=$(nproc)
# Every build of every checkout shares one compiler cache; paths count from the checkout, so a
# second clone or work tree hits the cache too.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWTAPE_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOWTAPE_TESTS=ON \
    -DGLOWTAPE_UNIT_ONLY=ON -DGLOWTAPE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
# Qt and fontconfig keep caches alive until exit; leak reports from them are noise.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The parsers' fuzzers, built apart with clang, run over their seed corpora once (seconds);
# scripts/fuzz.sh fuzzes them for longer.
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
