#!/usr/bin/env bash
# Installs what is missing, builds build/glowtape (Release) and starts it with the demo feed list.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"

export GLOWTAPE_HOME="$PWD/build/demo-home"
mkdir -p "$GLOWTAPE_HOME"
exec build/glowtape
